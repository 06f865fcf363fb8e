#include "credentials/win32/views.h"

namespace credentials::win32 {
namespace {

using platform::win32::Child;
using platform::win32::ChildKind;

constexpr DWORD kOneLine = SS_LEFTNOWORDWRAP;

// Client sizes and positions in pixels at 96 dpi. Focusable controls are listed in focus order,
// which is the order the dialog manager moves through with Tab.
Layout firstRunLayout() {
  return {L"frmpassfirst",
          L"",
          299,
          212,
          {
              {kImage1, ChildKind::Picture, L"", 8, 8, 47, 46},
              {kLabel2, ChildKind::Label, L"Set password for Folder Vardel", 64, 24, 217, 17, kOneLine},
              {kLabel1, ChildKind::Label, L"Enter the password", 16, 56, 121, 17, kOneLine},
              {kLabel3, ChildKind::Label, L"ReEnter the password", 16, 88, 137, 17, kOneLine},
              {kLabel4, ChildKind::Label, L"Select secret question", 8, 120, 129, 17, kOneLine},
              {kLabel5, ChildKind::Label, L"Enter the answer", 40, 144, 97, 17, kOneLine},
              {kStyleButton1, ChildKind::Button, L"Ok", 104, 176, 89, 28},
              {kText1, ChildKind::Password, L"", 144, 56, 145, 25},
              {kText2, ChildKind::Password, L"", 144, 88, 145, 25},
              {kCombo1, ChildKind::DropDown, L"", 144, 120, 145, 21},
              {kText3, ChildKind::Password, L"", 144, 144, 145, 25},
          },
          kText1};
}

Layout loginLayout() {
  return {L"frmpass",
          L"",
          299,
          212,
          {
              {kImage1, ChildKind::Picture, L"", 24, 8, 47, 46},
              {kLabel2, ChildKind::Label, L"Quillmar Folder Vardel", 80, 24, 185, 17, kOneLine},
              {kLabel1, ChildKind::Label, L"Enter the password", 8, 80, 121, 17, kOneLine},
              {kStyleButton1, ChildKind::Button, L"Ok", 24, 136, 105, 25},
              {kText1, ChildKind::Password, L"", 128, 80, 161, 25},
              {kStyleButton2, ChildKind::Button, L"Cancel", 160, 136, 105, 25},
              {kStyleButton3, ChildKind::Button, L"Forgot Password?", 88, 184, 121, 20},
          },
          kText1};
}

Layout recoveryLayout() {
  return {L"frmpassforgot",
          L"",
          300,
          210,
          {
              {kImage1, ChildKind::Picture, L"", 24, 8, 47, 46},
              {kLabel2, ChildKind::Label, L"Password Recovery", 80, 24, 185, 17, kOneLine},
              {kLabel3, ChildKind::Label, L"Secret Question : ", 16, 80, 97, 17, kOneLine},
              {kLabel4, ChildKind::Label, L"NA", 120, 80, 161, 17, kOneLine},
              {kLabel1, ChildKind::Label, L"Enter the secret answer", 16, 112, 137, 17, kOneLine},
              {kStyleButton1, ChildKind::Button, L"Ok", 24, 168, 105, 25},
              {kText1, ChildKind::Password, L"", 160, 112, 113, 25},
              {kStyleButton2, ChildKind::Button, L"Cancel", 160, 168, 105, 25},
          },
          kText1};
}

Layout changeLayout() {
  return {L"frmpasschange",
          L"Change Password",
          301,
          212,
          {
              {kImage1, ChildKind::Picture, L"", 16, 8, 47, 46},
              {kLabel2, ChildKind::Label, L"Quillmar Folder Vardel", 72, 24, 185, 17, kOneLine},
              {kLabel3, ChildKind::Label, L"Enter the old password", 8, 56, 145, 17, kOneLine},
              {kLabel1, ChildKind::Label, L"Enter the new password", 8, 96, 145, 17, kOneLine},
              {kText1, ChildKind::Password, L"", 152, 56, 137, 25},
              {kStyleButton1, ChildKind::Button, L"Ok", 32, 128, 105, 25},
              {kStyleButton2, ChildKind::Button, L"Cancel", 176, 128, 105, 25},
              {kStyleButton3, ChildKind::Button, L"Forgot Password?", 80, 176, 121, 20},
              {kText2, ChildKind::Password, L"", 152, 88, 137, 25},
          },
          kText1};
}

Binding<frmpassfirst> firstRunBinding() {
  using F = frmpassfirst;
  return {
      {{kText1, &F::Text1, true}, {kText2, &F::Text2, true}, {kCombo1, &F::Combo1, true}, {kText3, &F::Text3, true}},
      {{kStyleButton1, &F::StyleButton1_Click}},
      &F::Form_KeyPress,
      &F::Combo1List};
}

Binding<frmpass> loginBinding() {
  using F = frmpass;
  return {{{kText1, &F::Text1, true}},
          {{kStyleButton1, &F::StyleButton1_Click},
           {kStyleButton2, &F::StyleButton2_Click},
           {kStyleButton3, &F::StyleButton3_Click}},
          &F::Form_KeyPress};
}

Binding<frmpassforgot> recoveryBinding() {
  using F = frmpassforgot;
  return {{{kLabel4, &F::Label4, false}, {kText1, &F::Text1, true}},
          {{kStyleButton1, &F::StyleButton1_Click}, {kStyleButton2, &F::StyleButton2_Click}},
          &F::Form_KeyPress};
}

Binding<frmpasschange> changeBinding() {
  using F = frmpasschange;
  return {{{kText1, &F::Text1, true}, {kText2, &F::Text2, true}},
          {{kStyleButton1, &F::StyleButton1_Click},
           {kStyleButton2, &F::StyleButton2_Click},
           {kStyleButton3, &F::StyleButton3_Click}}};  // Enter has no command here
}

}  // namespace

CredentialWindows::CredentialWindows(const Ports& ports)
    : first(ports, firstRunLayout(), firstRunBinding()),
      login(ports, loginLayout(), loginBinding()),
      recovery(ports, recoveryLayout(), recoveryBinding()),
      change(ports, changeLayout(), changeBinding()) {}

void CredentialWindows::registerWith(platform::win32::WindowFlowWin32& flow) {
  flow.registerWindow(platform::WindowId::frmpassfirst, [this] { return first.create(); });
  flow.registerWindow(platform::WindowId::frmpass, [this] { return login.create(); });
  flow.registerWindow(platform::WindowId::frmpassforgot, [this] { return recovery.create(); });
  flow.registerWindow(platform::WindowId::frmpasschange, [this] { return change.create(); });
}

}  // namespace credentials::win32
