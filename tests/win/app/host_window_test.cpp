#include "app/win32/host_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "support/fakes.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/ui_driver.h"

namespace {

using namespace std::chrono_literals;

// Runs the loop until the condition holds or the time is up.
template <typename Condition>
bool pumpUntil(Condition done, std::chrono::milliseconds budget = 3000ms) {
  const auto end = std::chrono::steady_clock::now() + budget;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    testsupport::pump(10ms);
  }
  return true;
}

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

// Early at log-on the shell refuses icons; the host keeps offering it until the shell takes it.
TEST(HostWindow, OffersARefusedIconAgainUntilTheShellTakesItThenStops) {
  int offers = 0;
  HICON offered = nullptr;
  app::win32::HostWindow host(
      [&](HWND, HICON icon) {
        offered = icon;
        return ++offers > 2;  // refuses twice
      },
      20);
  ASSERT_TRUE(host.create());
  host.addIcon();
  EXPECT_EQ(offers, 1);
  EXPECT_TRUE(pumpUntil([&] { return offers >= 3; })) << "offers: " << offers;
  testsupport::pump(200ms);
  EXPECT_EQ(offers, 3) << "no offer after the shell took the icon";
  EXPECT_NE(offered, nullptr) << "the application icon";
}

TEST(HostWindow, OffersTheIconAgainWhenTheShellAnnouncesANewTaskbar) {
  int offers = 0;
  app::win32::HostWindow host([&](HWND, HICON) { return ++offers > 0; }, 20);
  ASSERT_TRUE(host.create());
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  ::PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0);
  testsupport::pump(200ms);
  EXPECT_EQ(offers, 0) << "before start-up wants an icon, a new taskbar adds none";
  host.addIcon();
  ASSERT_EQ(offers, 1);
  ::PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0);
  EXPECT_TRUE(pumpUntil([&] { return offers == 2; })) << "offers: " << offers;
}

struct Nothing : app::MainWindowPort {
  void load() override {}
  void reloadList() override {}
  void lockAll() override {}
  void unload() override { ++unloads; }
  int unloads = 0;
};

// What a setup program asks: resident only after start-up, and the session's end (as a log-off,
// or with ENDSESSION_CLOSEAPP) unloads the main window and ends the loop.
TEST(HostWindow, AnswersTheResidentQueryAndEndsAsASessionEnds) {
  app::win32::HostWindow host([](HWND, HICON) { return true; }, 20);
  ASSERT_TRUE(host.create());
  testsupport::FakeWindowFlow flow;
  testsupport::FakeDialogs dialogs;
  testsupport::FakeShell shell;
  testsupport::FakeSettings settings;
  Nothing main;
  app::Application application({flow, dialogs, shell, settings, main, host});
  host.attach(application);
  const UINT resident = ::RegisterWindowMessageW(app::win32::HostWindow::kResidentMessage);
  EXPECT_EQ(::SendMessageW(host.hwnd(), resident, 0, 0), 0);
  ASSERT_EQ(application.startUp(false), app::StartResult::Resident);
  EXPECT_EQ(::SendMessageW(host.hwnd(), resident, 0, 0), 1);

  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }  // left by the hosts of earlier tests as they went
  EXPECT_EQ(::SendMessageW(host.hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
  ::SendMessageW(host.hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
  EXPECT_EQ(main.unloads, 1);
  EXPECT_EQ(::SendMessageW(host.hwnd(), resident, 0, 0), 0);
  EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop ends";
}

// The menu pops up where the pointer is, with its top-left corner there.
TEST(HostWindow, MenuPopsUpAtThePointer) {
  app::win32::HostWindow host;
  ASSERT_TRUE(host.create());
  const POINT at{300, 200};
  ::SetCursorPos(at.x, at.y);
  POINT now{};
  for (int i = 0; i < 50 && (::GetCursorPos(&now), now.x != at.x || now.y != at.y); ++i) ::Sleep(10);
  ASSERT_EQ(now.x, at.x);
  ASSERT_EQ(now.y, at.y);

  std::atomic<bool> seen{false};
  RECT menuRect{};
  std::thread watcher([&] {
    HWND menu = testsupport::waitForWindow(L"#32768", L"*", ::GetCurrentProcessId(), 5000ms);
    if (menu) {
      ::GetWindowRect(menu, &menuRect);
      seen = true;
      testsupport::postKey(menu, VK_ESCAPE, false);
      testsupport::postKey(menu, VK_ESCAPE, true);
    }
  });
  host.popUpMenu();  // returns once the menu is dismissed
  watcher.join();
  ASSERT_TRUE(seen) << "no pop-up menu";
  EXPECT_EQ(menuRect.left, at.x);
  EXPECT_EQ(menuRect.top, at.y);
}

}  // namespace
