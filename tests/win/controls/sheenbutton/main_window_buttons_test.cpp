// The main window's add and remove buttons are SheenButtons: their settings, and how they look on
// screen resting, hot and pressed after real pointer moves; a press of either runs its command.
#include <windows.h>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "controls/sheenbutton/win32/sheen_button_window.h"
#include "platform/win32/file_system_win32.h"
#include "protect/win32/form1_window.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/screenshot.h"

namespace {

using controls::sheenbutton::win32::SheenWindow;
using testsupport::pump;
using W = protect::win32::Form1Window;

class MainWindowButtons : public ::testing::Test {
 protected:
  MainWindowButtons() {
    sqlite3* db = nullptr;
    const std::string dbPath = temp.file("accum.lsb");
    if (sqlite3_open(dbPath.c_str(), &db) == SQLITE_OK)
      sqlite3_exec(db,
                   "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, "
                   "Handle INTEGER)",
                   nullptr, nullptr, nullptr);
    sqlite3_close(db);
    store = std::make_unique<protect::SqliteFolderStore>(dbPath);
    engine = std::make_unique<protect::LockEngine>(fs, shell, *store, fs.systemDirectory());
    window = std::make_unique<W>(W::Ports{*store, *engine, dialogs, flow, shell});
    hwnd = window->create();
  }
  ~MainWindowButtons() override {
    if (window) window->unload();
  }
  // What the screen shows at a point of a control.
  static COLORREF onScreen(HWND control, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(control, &p);
    platform::win32::WindowDc screen(nullptr);
    return ::GetPixel(screen.get(), p.x, p.y);
  }
  void away() {
    testsupport::moveTo(hwnd, {400, 140});
    pump(std::chrono::milliseconds(250));
  }

  testsupport::TempDir temp;
  platform::win32::FileSystemWin32 fs;
  testsupport::FakeShell shell;
  testsupport::FakeDialogs dialogs;
  testsupport::FakeWindowFlow flow;
  std::unique_ptr<protect::SqliteFolderStore> store;
  std::unique_ptr<protect::LockEngine> engine;
  std::unique_ptr<W> window;
  HWND hwnd = nullptr;
};

TEST_F(MainWindowButtons, AreStyle7SheenButtonsWithTheArrowIcons) {
  ASSERT_TRUE(hwnd);
  for (int id : {W::SheenButton1, W::SheenButton2}) {
    HWND b = ::GetDlgItem(hwnd, id);
    SheenWindow* w = SheenWindow::fromHwnd(b);
    ASSERT_TRUE(w) << id << " is a SheenButton";
    RECT r{};
    ::GetWindowRect(b, &r);
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, id == W::SheenButton1 ? 168 : 240);
    EXPECT_EQ(r.top, 192);
    EXPECT_EQ(r.right - r.left, 49);
    EXPECT_EQ(r.bottom - r.top, 41);
    const auto& c = w->control();
    EXPECT_EQ(c.style(), 7);
    EXPECT_EQ(c.caption(), "");
    ASSERT_FALSE(c.picture().empty());
    EXPECT_EQ(c.picture().image->width, 32);
    EXPECT_EQ(c.picture().image->height, 32);
    EXPECT_EQ(c.colorButtonUp(), core::fromHex(0x5099E9));
    EXPECT_EQ(c.colorButtonDown(), core::fromHex(0x5099E9));
    EXPECT_EQ(c.colorButtonHover(), core::fromHex(0x90C0FF));
    EXPECT_EQ(c.colorBright(), core::fromHex(0xB0EDFF));
    EXPECT_EQ(c.borderBrightness(), 0);
    EXPECT_EQ(c.colorScheme(), 0);
    EXPECT_FALSE(c.displayHand());
    EXPECT_FALSE(c.checked());
    EXPECT_EQ(c.font(), (controls::common::FontSpec{"MS Sans Serif", 8.25}));
    EXPECT_EQ(c.cornerRadius(), 11);
  }
}

TEST_F(MainWindowButtons, RestingHotAndPressedOnScreenAfterRealPointerMoves) {
  ::ShowWindow(hwnd, SW_SHOW);
  ::SetForegroundWindow(hwnd);
  pump(std::chrono::milliseconds(200));
  away();
  HWND add = ::GetDlgItem(hwnd, W::SheenButton1);
  HWND remove = ::GetDlgItem(hwnd, W::SheenButton2);
  // Column 1 is the border, in the base colour at BorderBrightness 0.
  EXPECT_EQ(onScreen(add, 1, 20), core::fromHex(0x5099E9)) << "resting";
  EXPECT_EQ(onScreen(remove, 1, 20), core::fromHex(0x5099E9)) << "resting";
  testsupport::saveScreenshot(hwnd, "form1-sheenbuttons-resting");

  testsupport::moveTo(add, {24, 20});
  pump(std::chrono::milliseconds(250));
  EXPECT_TRUE(SheenWindow::fromHwnd(add)->control().mouseOver());
  EXPECT_EQ(onScreen(add, 1, 20), core::fromHex(0x90C0FF)) << "hot";
  EXPECT_EQ(onScreen(remove, 1, 20), core::fromHex(0x5099E9)) << "the other rests";
  testsupport::saveScreenshot(hwnd, "form1-sheenbuttons-hot");

  testsupport::mouseButton(true);
  pump(std::chrono::milliseconds(250));
  EXPECT_EQ(onScreen(add, 1, 20), core::fromHex(0x5099E9)) << "pressed: the down colour";
  EXPECT_EQ(SheenWindow::fromHwnd(add)->control().lastLayout().px, 10) << "the arrow moves down and right";
  testsupport::saveScreenshot(hwnd, "form1-sheenbuttons-pressed");
  testsupport::mouseButton(false);
  pump(std::chrono::milliseconds(300));
  ASSERT_EQ(dialogs.shown.size(), 1u) << "the click ran add";
  EXPECT_EQ(dialogs.shown[0].message.text, "Please select a folder by double clicking on it.");
  EXPECT_EQ(onScreen(add, 1, 20), core::fromHex(0x90C0FF)) << "hot again after the release";
  away();
  EXPECT_EQ(onScreen(add, 1, 20), core::fromHex(0x5099E9)) << "resting after the pointer left";
}

TEST_F(MainWindowButtons, EnterOnTheRemoveButtonRunsRemove) {
  ::ShowWindow(hwnd, SW_SHOW);
  ::SetForegroundWindow(hwnd);
  pump(std::chrono::milliseconds(200));
  ::SetFocus(::GetDlgItem(hwnd, W::SheenButton2));
  pump();
  testsupport::sendKey(VK_RETURN, false);
  testsupport::sendKey(VK_RETURN, true);
  pump(std::chrono::milliseconds(200));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message.text, "Please select");
}

}  // namespace
