#include "app/application.h"

#include "core/sqlite_db.h"

namespace app {

using platform::Message;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::WindowId;

StartResult Application::startUp(bool anotherInstanceRunning) {
  if (anotherInstanceRunning) {
    p_.dialogs.show(WindowId::frmTest, Message{kAlreadyRunning, "", MsgButtons::Ok, MsgIcon::Information});
    return StartResult::Refused;
  }
  // The folders first, the window after: until lock all reaches a folder it is open to anyone,
  // and lock all needs only the rows read, not the window that will show them.
  try {
    p_.mainWindow.reloadList();
  } catch (const core::StoreError& e) {
    // Nothing at start-up handles a missing or broken folder list: report it and end.
    p_.dialogs.show(WindowId::frmTest, platform::errorMessage(e.number(), e.description()));
    return StartResult::Failed;
  }
  started_ = true;
  p_.mainWindow.lockAll();
  p_.mainWindow.load();
  p_.tray.addIcon();
  p_.tray.hideHost();
  resident_ = true;
  return StartResult::Resident;
}

void Application::openCommand() {
  if (!p_.shell.isUserAnAdmin()) {
    p_.dialogs.show(WindowId::frmTest, Message{kOnlyAdministrators, "", MsgButtons::Ok, MsgIcon::Information});
    return;
  }
  credentialGate();
}

void Application::credentialGate() {
  const std::string stored = p_.settings.get("QM", "Settings", "init", "");
  p_.flow.show(stored.empty() ? WindowId::frmpassfirst : WindowId::frmpass);
}

void Application::aboutCommand() { p_.flow.show(WindowId::frmSplash); }

void Application::trayCallback(unsigned mouseMessage) {
  switch (mouseMessage) {
    case traymsg::kLeftUp: credentialGate(); break;
    case traymsg::kLeftDoubleClick: openCommand(); break;
    case traymsg::kRightUp: p_.tray.popUpMenu(); break;
    default: break;
  }
}

void Application::endSession() {
  if (ended_) return;
  ended_ = true;
  // A refused or failed start loaded nothing that needs undoing.
  if (started_) p_.mainWindow.unload();
}

}  // namespace app
