#pragma once
// The program's run from start to end: the start-up sequence, the tray's commands, the credential
// gate and the session's end. The windows it drives are reached through small ports.
#include <string>

#include "platform/dialogs.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/window_flow.h"

namespace app {

// What the shell needs of the main window.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  virtual void load() = 0;        // create it hidden and run its load; shows the rows read before
  virtual void reloadList() = 0;  // lview_reload, also before load; throws core::StoreError
  virtual void lockAll() = 0;     // cmdlock_Click, also before load
  virtual void unload() = 0;      // unlock all, as at the session's end
};

class TrayPort {
 public:
  virtual ~TrayPort() = default;
  virtual void addIcon() = 0;
  virtual void popUpMenu() = 0;
  virtual void hideHost() = 0;  // HideToTray
};

inline constexpr const char* kAlreadyRunning =
    "Folder Vardel is already running in system tray.Click on the system tray icon to start the application";
inline constexpr const char* kOnlyAdministrators = "Error!!Only Administrators can run this program.";

enum class StartResult { Resident, Refused, Failed };

// Mouse messages the tray reports through its callback.
namespace traymsg {
constexpr unsigned kLeftUp = 514;
constexpr unsigned kLeftDoubleClick = 515;
constexpr unsigned kRightUp = 517;
}  // namespace traymsg

class Application {
 public:
  struct Ports {
    platform::WindowFlow& flow;
    platform::Dialogs& dialogs;
    platform::Shell& shell;
    platform::SettingsStore& settings;
    MainWindowPort& mainWindow;
    TrayPort& tray;
  };
  explicit Application(Ports ports) : p_(ports) {}

  StartResult startUp(bool anotherInstanceRunning);
  void openCommand();
  void credentialGate();
  void aboutCommand();
  void trayCallback(unsigned mouseMessage);
  // The session ends: the main window unloads once, however many end notices arrive.
  void endSession();
  bool ended() const { return ended_; }
  // Start-up has locked the folders and the session has not ended.
  bool resident() const { return resident_ && !ended_; }

 private:
  Ports p_;
  bool started_ = false;
  bool resident_ = false;
  bool ended_ = false;
};

}  // namespace app
