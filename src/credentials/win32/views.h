#pragma once
// The four credential windows: each a form (fields and commands) behind a thin view.
#include "credentials/forms.h"
#include "credentials/win32/form_view.h"
#include "platform/win32/window_flow_win32.h"

namespace credentials::view {

class FirstRunView final : public FormView {
 public:
  explicit FirstRunView(const Ports& ports);
  frmpassfirst form;

 protected:
  void load() override;
  void pull() override;
  void push() override;
  void command(int id) override;
  bool keyPress(int key) override;
};

class LoginView final : public FormView {
 public:
  explicit LoginView(const Ports& ports);
  frmpass form;

 protected:
  void load() override;
  void pull() override;
  void push() override;
  void command(int id) override;
  bool keyPress(int key) override;
};

class RecoveryView final : public FormView {
 public:
  explicit RecoveryView(const Ports& ports);
  frmpassforgot form;

 protected:
  void load() override;
  void pull() override;
  void push() override;
  void command(int id) override;
  bool keyPress(int key) override;
};

class ChangeView final : public FormView {
 public:
  explicit ChangeView(const Ports& ports);
  frmpasschange form;

 protected:
  void load() override;
  void pull() override;
  void push() override;
  void command(int id) override;
};

// The four windows, registered with the window flow so each is created on its first show.
struct CredentialWindows {
  explicit CredentialWindows(const Ports& ports) : first(ports), login(ports), recovery(ports), change(ports) {}
  void registerWith(win::WindowFlowWin32& flow);

  FirstRunView first;
  LoginView login;
  RecoveryView recovery;
  ChangeView change;
};

}  // namespace credentials::view
