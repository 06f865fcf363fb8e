#include "app/win32/tray.h"

#include <gtest/gtest.h>

#include <string>

#include "app/win32/host_window.h"

namespace {

TEST(Tray, RecordCarriesTheCallbackTheIconAndThePaddedTip) {
  HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
  mdlTray::AddTrayIcon(hwnd, icon, "Quillmar Folder Vardel", 512);
  const NOTIFYICONDATAA& r = mdlTray::record();
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

TEST(Tray, HostMenuHasTheTwoCommandsInOrder) {
  app::HostWindow host;
  ASSERT_TRUE(host.create());
  HMENU menu = host.menu();
  ASSERT_EQ(::GetMenuItemCount(menu), 2);
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Open Folder Vardel");
  EXPECT_EQ(::GetMenuItemID(menu, 0), app::HostWindow::kMnuShow);
  ::GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&About");
  EXPECT_EQ(::GetMenuItemID(menu, 1), app::HostWindow::kMnuAbout);
  EXPECT_FALSE(::IsWindowVisible(host.hwnd()));
  EXPECT_TRUE(::GetWindowLongPtrW(host.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  ::SendMessageW(host.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(host.hwnd())) << "the host ignores a close request";
}

}  // namespace
