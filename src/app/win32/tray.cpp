#include "app/win32/tray.h"

#include <shellapi.h>

#include <cstring>

namespace app::win32::mdlTray {
namespace {
NOTIFYICONDATAA g_record{};
}

bool AddTrayIcon(HWND hwnd, HICON icon, const std::string& tip, UINT callbackMessage) {
  g_record = NOTIFYICONDATAA{};
  // The first form of the record: hWnd, uID, uFlags, uCallbackMessage, hIcon, a 64-character tip.
  g_record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  g_record.hWnd = hwnd;
  g_record.uID = 1;
  g_record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  g_record.uCallbackMessage = callbackMessage;
  g_record.hIcon = icon;
  std::memset(g_record.szTip, ' ', 64);
  const std::size_t n = tip.size() < 63 ? tip.size() : 63;
  std::memcpy(g_record.szTip, tip.data(), n);
  g_record.szTip[n] = '\0';
  return ::Shell_NotifyIconA(NIM_ADD, &g_record) != FALSE;
}

const NOTIFYICONDATAA& record() { return g_record; }

}  // namespace app::win32::mdlTray
