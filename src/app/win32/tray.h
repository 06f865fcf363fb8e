#pragma once
// mdlTray: the notification-area icon. One record for the whole process; each call overwrites it.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace app::win32::mdlTray {

// Adds the icon (NIM_ADD). False when the shell refused it, as it does before the taskbar exists.
bool AddTrayIcon(HWND hwnd, HICON icon, const std::string& tip, UINT callbackMessage);

// The record as last filled, for tests.
const NOTIFYICONDATAA& record();

}  // namespace app::win32::mdlTray
