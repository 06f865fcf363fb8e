#include "platform/win32/window_flow_win32.h"

#include <gtest/gtest.h>

namespace {

using platform::WindowId;

HWND makeWindow() {
  return ::CreateWindowExW(0, L"STATIC", L"flow", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
}

TEST(WindowFlowWin32, CreatesOnceThenOnlyShowsAndHides) {
  platform::win32::WindowFlowWin32 flow;
  int created = 0;
  flow.registerWindow(WindowId::frmSplash, [&] {
    ++created;
    return makeWindow();
  });
  EXPECT_FALSE(flow.isCreated(WindowId::frmSplash));
  EXPECT_FALSE(flow.isVisible(WindowId::frmSplash));
  flow.hide(WindowId::frmSplash);
  EXPECT_EQ(created, 0) << "hiding a window that does not exist creates nothing";

  flow.show(WindowId::frmSplash);
  EXPECT_TRUE(flow.isVisible(WindowId::frmSplash));
  HWND first = flow.handle(WindowId::frmSplash);
  flow.hide(WindowId::frmSplash);
  EXPECT_FALSE(flow.isVisible(WindowId::frmSplash));
  flow.show(WindowId::frmSplash);
  EXPECT_EQ(flow.handle(WindowId::frmSplash), first);
  EXPECT_EQ(created, 1);
  ::DestroyWindow(first);
}

TEST(WindowFlowWin32, UnknownWindowIsIgnored) {
  platform::win32::WindowFlowWin32 flow;
  flow.show(WindowId::frmpass);
  EXPECT_FALSE(flow.isCreated(WindowId::frmpass));
}

}  // namespace
