#include "app/win32/host_window.h"

#include <gtest/gtest.h>

namespace {

TEST(HostWindow, MenuHasTheTwoCommandsInOrder) {
  app::win32::HostWindow host;
  ASSERT_TRUE(host.create());
  HMENU menu = host.menu();
  ASSERT_EQ(::GetMenuItemCount(menu), 2);
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Open Folder Vardel");
  EXPECT_EQ(::GetMenuItemID(menu, 0), app::win32::HostWindow::kMnuShow);
  ::GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&About");
  EXPECT_EQ(::GetMenuItemID(menu, 1), app::win32::HostWindow::kMnuAbout);
  EXPECT_FALSE(::IsWindowVisible(host.hwnd()));
  EXPECT_TRUE(::GetWindowLongPtrW(host.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  ::SendMessageW(host.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(host.hwnd())) << "the host ignores a close request";
}

}  // namespace
