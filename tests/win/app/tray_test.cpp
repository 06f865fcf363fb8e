#include "app/win32/tray.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Tray, RecordCarriesTheCallbackTheIconAndThePaddedTip) {
  HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
  app::win32::mdlTray::AddTrayIcon(hwnd, icon, "Quillmar Folder Vardel", 512);
  const NOTIFYICONDATAA& r = app::win32::mdlTray::record();
  EXPECT_EQ(r.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
  EXPECT_EQ(r.hWnd, hwnd);
  EXPECT_EQ(r.uID, 1u);
  EXPECT_EQ(r.uFlags, 7u);
  EXPECT_EQ(r.uCallbackMessage, 512u);
  EXPECT_EQ(r.hIcon, icon);
  const std::string tip(r.szTip, 64);
  EXPECT_EQ(tip, std::string("Quillmar Folder Vardel") + '\0' + std::string(64 - 23, ' '));
  NOTIFYICONDATAA remove = r;
  ::Shell_NotifyIconA(NIM_DELETE, &remove);
  ::DestroyWindow(hwnd);
}

}  // namespace
