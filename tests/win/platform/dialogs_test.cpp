#include "platform/win32/dialogs_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <future>
#include <string>

#include "support/win32/ui_driver.h"

namespace {

using platform::Message;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

TEST(DialogsWin32, FlagsForIconsAndButtons) {
  const struct {
    MsgButtons buttons;
    MsgIcon icon;
    UINT flags;
  } cases[] = {
      {MsgButtons::Ok, MsgIcon::None, MB_OK},
      {MsgButtons::Ok, MsgIcon::Information, MB_OK | MB_ICONINFORMATION},
      {MsgButtons::Ok, MsgIcon::Error, MB_OK | MB_ICONERROR},
      {MsgButtons::YesNo, MsgIcon::Information, MB_YESNO | MB_ICONINFORMATION},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::win32::DialogsWin32::flagsFor(Message{"t", "", c.buttons, c.icon}), c.flags);
  }
}

// Shows a real message box and answers it from another thread, as a user would.
MsgResult answer(const Message& message, const std::wstring& title, int button, std::wstring& seenText,
                 bool& hadYesAndNo) {
  auto driver = std::async(std::launch::async, [&] {
    HWND box = testsupport::waitForWindow(L"#32770", title, ::GetCurrentProcessId());
    if (!box) return;
    seenText = testsupport::messageBoxText(box);
    hadYesAndNo = testsupport::hasButton(box, IDYES) && testsupport::hasButton(box, IDNO);
    testsupport::pressButton(box, button);
  });
  platform::win32::DialogsWin32 dialogs(nullptr);
  const MsgResult result = dialogs.show(platform::WindowId::Form1, message);
  driver.get();
  return result;
}

TEST(DialogsWin32, ShowsTextAndTitleAndReturnsTheAnswer) {
  std::wstring text;
  bool yesNo = false;
  EXPECT_EQ(answer({"Do you want to lock all folders?", "Folder Vardel", MsgButtons::YesNo, MsgIcon::Information},
                   L"Folder Vardel", IDNO, text, yesNo),
            MsgResult::No);
  EXPECT_EQ(text, L"Do you want to lock all folders?");
  EXPECT_TRUE(yesNo);

  EXPECT_EQ(answer({"Please select", "", MsgButtons::Ok, MsgIcon::None}, L"Quillmar Folder Vardel", IDOK, text, yesNo),
            MsgResult::Ok)
      << "an empty title shows the application title";
  EXPECT_EQ(text, L"Please select");
  EXPECT_FALSE(yesNo);
}

}  // namespace
