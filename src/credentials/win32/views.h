#pragma once
// The four credential windows: each a form (fields and commands) behind a view.
#include "credentials/forms.h"
#include "credentials/win32/form_view.h"
#include "platform/win32/window_flow_win32.h"

namespace credentials::win32 {

using FirstRunView = CredentialView<frmpassfirst>;
using LoginView = CredentialView<frmpass>;
using RecoveryView = CredentialView<frmpassforgot>;
using ChangeView = CredentialView<frmpasschange>;

// The four windows, registered with the window flow so each is created on its first show.
struct CredentialWindows {
  explicit CredentialWindows(const Ports& ports);
  void registerWith(platform::win32::WindowFlowWin32& flow);

  FirstRunView first;
  LoginView login;
  RecoveryView recovery;
  ChangeView change;
};

}  // namespace credentials::win32
