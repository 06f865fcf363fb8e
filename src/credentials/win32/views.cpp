#include "credentials/win32/views.h"

#include "platform/win32/text_win32.h"

namespace credentials::view {
namespace {

// Client sizes and positions in pixels at 96 dpi. Focusable controls are listed in focus order,
// which is the order the dialog manager moves through with Tab.
FormView::Layout firstRunSpec() {
  return {L"frmpassfirst",
          L"",
          299,
          212,
          {
              {kImage1, Kind::Picture, 8, 8, 47, 46, ""},
              {kLabel2, Kind::Heading, 64, 24, 217, 17, "Set password for Folder Vardel"},
              {kLabel1, Kind::Label, 16, 56, 121, 17, "Enter the password"},
              {kLabel3, Kind::Label, 16, 88, 137, 17, "ReEnter the password"},
              {kLabel4, Kind::Label, 8, 120, 129, 17, "Select secret question"},
              {kLabel5, Kind::Label, 40, 144, 97, 17, "Enter the answer"},
              {kStyleButton1, Kind::Button, 104, 176, 89, 28, "Ok"},
              {kText1, Kind::Masked, 144, 56, 145, 25, ""},
              {kText2, Kind::Masked, 144, 88, 145, 25, ""},
              {kCombo1, Kind::Combo, 144, 120, 145, 21, ""},
              {kText3, Kind::Masked, 144, 144, 145, 25, ""},
          },
          kText1};
}

FormView::Layout loginSpec() {
  return {L"frmpass",
          L"",
          299,
          212,
          {
              {kImage1, Kind::Picture, 24, 8, 47, 46, ""},
              {kLabel2, Kind::Heading, 80, 24, 185, 17, "Quillmar Folder Vardel"},
              {kLabel1, Kind::Label, 8, 80, 121, 17, "Enter the password"},
              {kStyleButton1, Kind::Button, 24, 136, 105, 25, "Ok"},
              {kText1, Kind::Masked, 128, 80, 161, 25, ""},
              {kStyleButton2, Kind::Button, 160, 136, 105, 25, "Cancel"},
              {kStyleButton3, Kind::Button, 88, 184, 121, 20, "Forgot Password?"},
          },
          kText1};
}

FormView::Layout recoverySpec() {
  return {L"frmpassforgot",
          L"",
          300,
          210,
          {
              {kImage1, Kind::Picture, 24, 8, 47, 46, ""},
              {kLabel2, Kind::Heading, 80, 24, 185, 17, "Password Recovery"},
              {kLabel3, Kind::Label, 16, 80, 97, 17, "Secret Question : "},
              {kLabel4, Kind::Label, 120, 80, 161, 17, "NA"},
              {kLabel1, Kind::Label, 16, 112, 137, 17, "Enter the secret answer"},
              {kStyleButton1, Kind::Button, 24, 168, 105, 25, "Ok"},
              {kText1, Kind::Masked, 160, 112, 113, 25, ""},
              {kStyleButton2, Kind::Button, 160, 168, 105, 25, "Cancel"},
          },
          kText1};
}

FormView::Layout changeSpec() {
  return {L"frmpasschange",
          L"Change Password",
          301,
          212,
          {
              {kImage1, Kind::Picture, 16, 8, 47, 46, ""},
              {kLabel2, Kind::Heading, 72, 24, 185, 17, "Quillmar Folder Vardel"},
              {kLabel3, Kind::Label, 8, 56, 145, 17, "Enter the old password"},
              {kLabel1, Kind::Label, 8, 96, 145, 17, "Enter the new password"},
              {kText1, Kind::Masked, 152, 56, 137, 25, ""},
              {kStyleButton1, Kind::Button, 32, 128, 105, 25, "Ok"},
              {kStyleButton2, Kind::Button, 176, 128, 105, 25, "Cancel"},
              {kStyleButton3, Kind::Button, 80, 176, 121, 20, "Forgot Password?"},
              {kText2, Kind::Masked, 152, 88, 137, 25, ""},
          },
          kText1};
}

}  // namespace

// --- frmpassfirst ---

FirstRunView::FirstRunView(const Ports& ports) : FormView(firstRunSpec()), form(ports) {}

void FirstRunView::load() {
  form.Form_Load();
  HWND combo = control(kCombo1);
  ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& question : form.Combo1List) {
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::widen(question).c_str()));
  }
}

void FirstRunView::pull() {
  form.Text1 = text(kText1);
  form.Text2 = text(kText2);
  form.Combo1 = text(kCombo1);
  form.Text3 = text(kText3);
}

void FirstRunView::push() {
  setText(kText1, form.Text1);
  setText(kText2, form.Text2);
  setText(kCombo1, form.Combo1);
  setText(kText3, form.Text3);
}

void FirstRunView::command(int id) {
  if (id == kStyleButton1) form.StyleButton1_Click();
}

bool FirstRunView::keyPress(int key) {
  form.Form_KeyPress(key);
  return key == kEnterKey;
}

// --- frmpass ---

LoginView::LoginView(const Ports& ports) : FormView(loginSpec()), form(ports) {}

void LoginView::load() { form.Form_Load(); }

void LoginView::pull() { form.Text1 = text(kText1); }

void LoginView::push() { setText(kText1, form.Text1); }

void LoginView::command(int id) {
  if (id == kStyleButton1) form.StyleButton1_Click();
  if (id == kStyleButton2) form.StyleButton2_Click();
  if (id == kStyleButton3) form.StyleButton3_Click();
}

bool LoginView::keyPress(int key) {
  form.Form_KeyPress(key);
  return key == kEnterKey;
}

// --- frmpassforgot ---

RecoveryView::RecoveryView(const Ports& ports) : FormView(recoverySpec()), form(ports) {}

void RecoveryView::load() { form.Form_Load(); }

void RecoveryView::pull() { form.Text1 = text(kText1); }

void RecoveryView::push() {
  setText(kLabel4, form.Label4);
  setText(kText1, form.Text1);
}

void RecoveryView::command(int id) {
  if (id == kStyleButton1) form.StyleButton1_Click();
  if (id == kStyleButton2) form.StyleButton2_Click();
}

bool RecoveryView::keyPress(int key) {
  form.Form_KeyPress(key);
  return key == kEnterKey;
}

// --- frmpasschange ---

ChangeView::ChangeView(const Ports& ports) : FormView(changeSpec()), form(ports) {}

void ChangeView::load() { form.Form_Load(); }

void ChangeView::pull() {
  form.Text1 = text(kText1);
  form.Text2 = text(kText2);
}

void ChangeView::push() {
  setText(kText1, form.Text1);
  setText(kText2, form.Text2);
}

void ChangeView::command(int id) {
  if (id == kStyleButton1) form.StyleButton1_Click();
  if (id == kStyleButton2) form.StyleButton2_Click();
  if (id == kStyleButton3) form.StyleButton3_Click();
}

// ---

void CredentialWindows::registerWith(win::WindowFlowWin32& flow) {
  flow.registerWindow(platform::WindowId::frmpassfirst, [this] { return first.create(); });
  flow.registerWindow(platform::WindowId::frmpass, [this] { return login.create(); });
  flow.registerWindow(platform::WindowId::frmpassforgot, [this] { return recovery.create(); });
  flow.registerWindow(platform::WindowId::frmpasschange, [this] { return change.create(); });
}

}  // namespace credentials::view
