// The four credential windows as real Win32 windows: layout, focus, keys, the flow between them
// and what they store. Message boxes go to a recording fake so nothing waits for a user.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <optional>

#include "app/module_registry.h"
#include "credentials/pass_codec.h"
#include "credentials/settings.h"
#include "credentials/win32/system_code_page.h"
#include "credentials/win32/views.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "support/fakes.h"
#include "support/sequence.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/screenshot.h"
#include "support/win32/ui_driver.h"
#include "support/win32/window_checks.h"

namespace {

using namespace credentials::win32;
using platform::WindowId;
using testsupport::pump;
using testsupport::sameSequence;

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "QuillmarFolderVardel";
constexpr const char* kMissing = "\x01<missing>";

// The id of the control with the focus (the combo box for its edit field).
int focusedId() {
  HWND focus = ::GetFocus();
  if (!focus) return 0;
  HWND parent = ::GetParent(focus);
  if (parent && ::GetDlgCtrlID(parent) == kCombo1) return kCombo1;
  return ::GetDlgCtrlID(focus);
}

std::optional<std::string> runValue() {
  char data[1024] = {};
  DWORD size = sizeof(data);
  if (::RegGetValueA(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(data);
}

void setRunValue(const std::optional<std::string>& value) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  if (value) {
    ::RegSetValueExA(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                     static_cast<DWORD>(value->size() + 1));
  } else {
    ::RegDeleteValueA(key, kRunValue);
  }
  ::RegCloseKey(key);
}

class CredentialWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each test starts with no credentials and no autostart value; what was there comes back.
    for (const char* key : {"init", "cmdsq", "cmds"}) {
      saved_[key] = settings.get("QM", "Settings", key, kMissing);
      settings.remove("QM", "Settings", key);
    }
    savedRun_ = runValue();
    setRunValue(std::nullopt);
    form1_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Form1", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
    flow.registerWindow(WindowId::Form1, [this] { return form1_; });
    windows.registerWith(flow);
  }
  void TearDown() override {
    for (const auto& [key, value] : saved_) {
      if (value == kMissing) {
        settings.remove("QM", "Settings", key);
      } else {
        settings.save("QM", "Settings", key, value);
      }
    }
    setRunValue(savedRun_);
    ::DestroyWindow(form1_);
  }

  void store(const std::string& password, const std::string& question, const std::string& answer) {
    settings.save("QM", "Settings", "init", *credentials::modpass::PassCodec(password, "encode"));
    settings.save("QM", "Settings", "cmdsq", *credentials::modpass::PassCodec(question, "encode"));
    settings.save("QM", "Settings", "cmds", *credentials::modpass::PassCodec(answer, "encode"));
  }
  HWND show(WindowId id) {
    flow.show(id);
    pump();
    return flow.handle(id);
  }
  std::string decoded(const char* key) {
    return credentials::modpass::PassCodec(settings.get("QM", "Settings", key, ""), "decode").value_or("<undecodable>");
  }

  platform::win32::SettingsStoreWin32 settings;
  testsupport::FakeDialogs dialogs;
  platform::win32::WindowFlowWin32 flow;
  platform::win32::RegistryWin32 registry;
  app::ModuleRegistry::Writer registryWriter{registry};
  platform::win32::ShellWin32 shell;
  credentials::win32::SystemCodePage codePage;
  credentials::Ports ports{settings, dialogs, flow, registryWriter, shell, codePage};
  credentials::win32::CredentialWindows windows{ports};

 private:
  std::map<std::string, std::string> saved_;
  std::optional<std::string> savedRun_;
  HWND form1_ = nullptr;
};

struct Expected {
  int id;
  const wchar_t* className;
  RECT rect;
  const wchar_t* text;
};

struct WindowCase {
  WindowId id;
  const char* name;
  const wchar_t* title;
  SIZE client;
  std::vector<Expected> controls;
  std::vector<int> tabOrder;  // from the first focus on
};

const WindowCase kWindows[] = {
    {WindowId::frmpassfirst,
     "frmpassfirst",
     L"",
     {299, 212},
     {{kImage1, L"Static", {8, 8, 55, 54}, L""},
      {kLabel2, L"Static", {64, 24, 281, 41}, L"Set password for Folder Vardel"},
      {kLabel1, L"Static", {16, 56, 137, 73}, L"Enter the password"},
      {kLabel3, L"Static", {16, 88, 153, 105}, L"ReEnter the password"},
      {kLabel4, L"Static", {8, 120, 137, 137}, L"Select secret question"},
      {kLabel5, L"Static", {40, 144, 137, 161}, L"Enter the answer"},
      {kStyleButton1, nullptr, {104, 176, 193, 204}, L"Ok"},
      {kText1, L"Edit", {144, 56, 289, 81}, L""},
      {kText2, L"Edit", {144, 88, 289, 113}, L""},
      {kCombo1, L"ComboBox", {144, 120, 289, 141}, L"Pet's Name"},
      {kText3, L"Edit", {144, 144, 289, 169}, L""}},
     {kText1, kText2, kCombo1, kText3, kStyleButton1}},
    {WindowId::frmpass,
     "frmpass",
     L"",
     {299, 212},
     {{kImage1, L"Static", {24, 8, 71, 54}, L""},
      {kLabel2, L"Static", {80, 24, 265, 41}, L"Quillmar Folder Vardel"},
      {kLabel1, L"Static", {8, 80, 129, 97}, L"Enter the password"},
      {kStyleButton1, nullptr, {24, 136, 129, 161}, L"Ok"},
      {kText1, L"Edit", {128, 80, 289, 105}, L""},
      {kStyleButton2, nullptr, {160, 136, 265, 161}, L"Cancel"},
      {kStyleButton3, nullptr, {88, 184, 209, 204}, L"Forgot Password?"}},
     {kText1, kStyleButton2, kStyleButton3, kStyleButton1}},
    {WindowId::frmpassforgot,
     "frmpassforgot",
     L"",
     {300, 210},
     {{kImage1, L"Static", {24, 8, 71, 54}, L""},
      {kLabel2, L"Static", {80, 24, 265, 41}, L"Password Recovery"},
      {kLabel3, L"Static", {16, 80, 113, 97}, L"Secret Question : "},
      {kLabel4, L"Static", {120, 80, 281, 97}, L"Mother's Maiden Name"},
      {kLabel1, L"Static", {16, 112, 153, 129}, L"Enter the secret answer"},
      {kStyleButton1, nullptr, {24, 168, 129, 193}, L"Ok"},
      {kText1, L"Edit", {160, 112, 273, 137}, L""},
      {kStyleButton2, nullptr, {160, 168, 265, 193}, L"Cancel"}},
     {kText1, kStyleButton2, kStyleButton1}},
    {WindowId::frmpasschange,
     "frmpasschange",
     L"Change Password",
     {301, 212},
     {{kImage1, L"Static", {16, 8, 63, 54}, L""},
      {kLabel2, L"Static", {72, 24, 257, 41}, L"Quillmar Folder Vardel"},
      {kLabel3, L"Static", {8, 56, 153, 73}, L"Enter the old password"},
      {kLabel1, L"Static", {8, 96, 153, 113}, L"Enter the new password"},
      {kText1, L"Edit", {152, 56, 289, 81}, L""},
      {kStyleButton1, nullptr, {32, 128, 137, 153}, L"Ok"},
      {kStyleButton2, nullptr, {176, 128, 281, 153}, L"Cancel"},
      {kStyleButton3, nullptr, {80, 176, 201, 196}, L"Forgot Password?"},
      {kText2, L"Edit", {152, 88, 289, 113}, L""}},
     {kText1, kStyleButton1, kStyleButton2, kStyleButton3, kText2}},
};

TEST_F(CredentialWindows, FrameLayoutMaskAndFocusOrder) {
  store("Secret1", "Mother's Maiden Name", "Smith");
  for (const WindowCase& w : kWindows) {
    SCOPED_TRACE(w.name);
    HWND hwnd = show(w.id);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, w.client.cx);
    EXPECT_EQ(client.bottom, w.client.cy);
    EXPECT_EQ(testsupport::windowText(hwnd), w.title);
    wchar_t cls[64] = {};
    ::GetClassNameW(hwnd, cls, 64);
    EXPECT_STREQ(cls, std::wstring(w.name, w.name + std::strlen(w.name)).c_str());
    const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, static_cast<LONG_PTR>(WS_BORDER)) << "a thin border, no title bar";
    EXPECT_TRUE(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "not in the taskbar";
    EXPECT_TRUE(testsupport::centredOnWorkArea(hwnd));

    for (const Expected& e : w.controls) {
      HWND child = ::GetDlgItem(hwnd, e.id);
      ASSERT_NE(child, nullptr) << "control " << e.id;
      EXPECT_TRUE(testsupport::sameRect(e.rect, testsupport::rectIn(hwnd, child))) << "control " << e.id;
      EXPECT_EQ(testsupport::windowText(child), e.text) << "control " << e.id;
      if (e.className) {
        wchar_t cls[64] = {};
        ::GetClassNameW(child, cls, 64);
        EXPECT_EQ(lstrcmpiW(cls, e.className), 0) << "control " << e.id;
      }
      if (e.className && lstrcmpW(e.className, L"Edit") == 0) {
        EXPECT_TRUE(::GetWindowLongPtrW(child, GWL_STYLE) & ES_PASSWORD) << "control " << e.id;
        EXPECT_EQ(::SendMessageW(child, EM_GETPASSWORDCHAR, 0, 0), L'*') << "control " << e.id;
        EXPECT_EQ(::SendMessageW(child, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no length limit, " << e.id;
      }
    }

    EXPECT_EQ(focusedId(), w.tabOrder.front()) << "first focus";
    std::vector<int> order{focusedId()};
    for (std::size_t i = 1; i <= w.tabOrder.size(); ++i) {
      ASSERT_TRUE(testsupport::pressKey(VK_TAB)) << "nothing has the focus";
      order.push_back(focusedId());
    }
    std::vector<int> expected = w.tabOrder;
    expected.push_back(w.tabOrder.front());  // and round again
    EXPECT_EQ(order, expected);

    ::SetWindowTextW(::GetDlgItem(hwnd, kText1), L"typed");
    pump();
    testsupport::saveScreenshot(hwnd, w.name);
    flow.hide(w.id);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CredentialWindows, FirstRunOkStoresWhatWasTypedAndHandsOverToLogin) {
  HWND first = show(WindowId::frmpassfirst);
  HWND combo = ::GetDlgItem(first, kCombo1);
  ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
  const wchar_t* questions[] = {L"Pet's Name", L"Mother's Maiden Name", L"You father's birth year",
                                L"Your grand father's birth date"};
  for (int i = 0; i < 4; ++i) {
    wchar_t item[64] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, questions[i]) << i;
  }

  ::SetWindowTextW(::GetDlgItem(first, kText1), L"Pass word 1");
  ::SetWindowTextW(::GetDlgItem(first, kText2), L"Pass word 1");
  ::SetWindowTextW(combo, L"Where was I born?");
  ::SetWindowTextW(::GetDlgItem(first, kText3), L"Lyon");
  ASSERT_TRUE(testsupport::click(::GetDlgItem(first, kStyleButton1)));
  pump();

  EXPECT_TRUE(sameSequence({}, dialogs.texts()));
  EXPECT_EQ(decoded("init"), "Pass word 1");
  EXPECT_EQ(decoded("cmdsq"), "Where was I born?");
  EXPECT_EQ(decoded("cmds"), "Lyon");
  EXPECT_FALSE(::IsWindowVisible(first));
  EXPECT_TRUE(flow.isVisible(WindowId::frmpass));
  // The login window was shown once, so the program is registered to start with Windows.
  EXPECT_EQ(runValue(), shell.applicationDirectory() + "\\QuillmarFolderVardel.exe");

  // Hidden and shown again: the fields keep what they carried to the store last.
  flow.show(WindowId::frmpassfirst);
  pump();
  EXPECT_EQ(testsupport::windowText(::GetDlgItem(first, kText2)), L"Pass word 1");
  EXPECT_EQ(::GetWindowTextLengthW(::GetDlgItem(first, kText1)),
            static_cast<int>(std::string("Where was I born?").size()));
  EXPECT_NE(testsupport::windowText(::GetDlgItem(first, kText1)), L"Where was I born?") << "the encoded question";
}

TEST_F(CredentialWindows, EnterRunsOkWhereverTheFocusIsExceptInTheChangeWindow) {
  store("Secret1", "Pet's Name", "Rex");
  HWND first = show(WindowId::frmpassfirst);
  ::SetFocus(::GetDlgItem(first, kText2));
  ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
  EXPECT_TRUE(sameSequence({"Error!!Please enter the password."}, dialogs.texts()));
  ::SetFocus(::GetDlgItem(first, kCombo1));  // the focus goes to the drop-down's own edit field
  ASSERT_EQ(focusedId(), kCombo1);
  ASSERT_NE(::GetFocus(), ::GetDlgItem(first, kCombo1));
  ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
  EXPECT_EQ(dialogs.texts().size(), 2u) << "Enter in the question field";
  flow.hide(WindowId::frmpassfirst);

  dialogs.shown.clear();
  HWND login = show(WindowId::frmpass);
  ::SetFocus(::GetDlgItem(login, kStyleButton2));  // Cancel has the focus; the window sees Enter first
  ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
  EXPECT_TRUE(sameSequence({"Error !! The password is incorrect."}, dialogs.texts()));
  EXPECT_TRUE(::IsWindowVisible(login)) << "Enter did not press Cancel";
  ::SetWindowTextW(::GetDlgItem(login, kText1), L"Secret1");
  ::SetFocus(::GetDlgItem(login, kText1));
  ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
  EXPECT_FALSE(::IsWindowVisible(login));
  EXPECT_TRUE(flow.isVisible(WindowId::Form1));
  EXPECT_EQ(testsupport::windowText(::GetDlgItem(login, kText1)), L"") << "emptied after a correct password";

  dialogs.shown.clear();
  HWND change = show(WindowId::frmpasschange);
  ::SetWindowTextW(::GetDlgItem(change, kText1), L"Secret1");
  ::SetWindowTextW(::GetDlgItem(change, kText2), L"Another1");
  for (int id : {kText1, kText2, kStyleButton1}) {
    ::SetFocus(::GetDlgItem(change, id));
    ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
  }
  EXPECT_TRUE(sameSequence({}, dialogs.texts())) << "Enter has no command here";
  EXPECT_TRUE(::IsWindowVisible(change));
  EXPECT_EQ(decoded("init"), "Secret1");
  ASSERT_TRUE(testsupport::click(::GetDlgItem(change, kStyleButton1)));
  pump();
  EXPECT_TRUE(sameSequence({"The password has been changed successfully."}, dialogs.texts()));
  EXPECT_EQ(decoded("init"), "Another1");
  EXPECT_FALSE(::IsWindowVisible(change));
}

// Enter in each of the four fields runs Ok: refused while an entry is missing, and with every
// entry right it stores them and hands over to the login window.
TEST_F(CredentialWindows, EnterInEveryFirstRunFieldRunsOk) {
  HWND first = show(WindowId::frmpassfirst);
  ::SetForegroundWindow(first);
  const int fields[] = {kText1, kText2, kCombo1, kText3};
  for (int id : fields) {
    SCOPED_TRACE(id);
    dialogs.shown.clear();
    ::SetFocus(::GetDlgItem(first, id));
    ASSERT_EQ(focusedId(), id);
    ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
    EXPECT_TRUE(sameSequence({"Error!!Please enter the password."}, dialogs.texts()));
    EXPECT_TRUE(::IsWindowVisible(first));
  }
  for (int id : fields) {
    SCOPED_TRACE(id);
    dialogs.shown.clear();
    ::SetWindowTextW(::GetDlgItem(first, kText1), L"Pass word 1");
    ::SetWindowTextW(::GetDlgItem(first, kText2), L"Pass word 1");
    ::SetWindowTextW(::GetDlgItem(first, kCombo1), L"Pet's Name");
    ::SetWindowTextW(::GetDlgItem(first, kText3), L"Rex");
    flow.show(WindowId::frmpassfirst);
    pump();
    ::SetFocus(::GetDlgItem(first, id));
    ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
    EXPECT_TRUE(sameSequence({}, dialogs.texts()));
    EXPECT_FALSE(::IsWindowVisible(first));
    EXPECT_TRUE(flow.isVisible(WindowId::frmpass));
    EXPECT_EQ(decoded("init"), "Pass word 1");
    EXPECT_EQ(decoded("cmds"), "Rex");
    flow.hide(WindowId::frmpass);
    settings.remove("QM", "Settings", "init");
  }
}

// The change window's Forgot Password? leads through recovery to the login window; the change
// window stays where it was.
TEST_F(CredentialWindows, ChangeForgotThenTheRightAnswerShowsTheLoginWindow) {
  store("Secret1", "Pet's Name", "Rex");
  HWND change = show(WindowId::frmpasschange);
  ASSERT_TRUE(testsupport::click(::GetDlgItem(change, kStyleButton3)));
  pump();
  ASSERT_TRUE(flow.isVisible(WindowId::frmpassforgot));
  HWND recovery = flow.handle(WindowId::frmpassforgot);
  EXPECT_EQ(testsupport::windowText(::GetDlgItem(recovery, kLabel4)), L"Pet's Name");
  ::SetWindowTextW(::GetDlgItem(recovery, kText1), L"Rex");
  ASSERT_TRUE(testsupport::click(::GetDlgItem(recovery, kStyleButton1)));
  pump();
  EXPECT_TRUE(sameSequence({"Your password is Secret1"}, dialogs.texts()));
  EXPECT_FALSE(::IsWindowVisible(recovery));
  EXPECT_TRUE(flow.isVisible(WindowId::frmpass)) << "the login window follows";
  EXPECT_TRUE(::IsWindowVisible(change)) << "the change window stays";
}

TEST_F(CredentialWindows, LoginCancelKeepsTheFieldAndStillRegistersAutostart) {
  store("Secret1", "Pet's Name", "Rex");
  HWND login = show(WindowId::frmpass);
  EXPECT_EQ(runValue(), shell.applicationDirectory() + "\\QuillmarFolderVardel.exe");
  ASSERT_EQ(focusedId(), kText1);
  ASSERT_TRUE(testsupport::type(L"half typed"));
  ASSERT_TRUE(testsupport::click(::GetDlgItem(login, kStyleButton2)));
  pump();
  EXPECT_FALSE(::IsWindowVisible(login));
  setRunValue(std::nullopt);
  show(WindowId::frmpass);
  EXPECT_EQ(testsupport::windowText(::GetDlgItem(login, kText1)), L"half typed");
  EXPECT_EQ(focusedId(), kStyleButton2) << "the focus comes back where it was: the clicked Cancel";
  EXPECT_EQ(runValue(), std::nullopt) << "the creation steps run once";

  ASSERT_TRUE(testsupport::click(::GetDlgItem(login, kStyleButton3)));
  pump();
  EXPECT_FALSE(::IsWindowVisible(login));
  HWND recovery = flow.handle(WindowId::frmpassforgot);
  ASSERT_NE(recovery, nullptr);
  EXPECT_TRUE(::IsWindowVisible(recovery));
  EXPECT_EQ(testsupport::windowText(::GetDlgItem(recovery, kLabel4)), L"Pet's Name");
  EXPECT_EQ(focusedId(), kText1);
  ::SetWindowTextW(::GetDlgItem(recovery, kText1), L"Rex");
  ASSERT_TRUE(testsupport::pressKey(VK_RETURN));
  EXPECT_TRUE(sameSequence({"Your password is Secret1"}, dialogs.texts()));
  EXPECT_FALSE(::IsWindowVisible(recovery));
  EXPECT_TRUE(::IsWindowVisible(login));
}

}  // namespace
