#pragma once
// The SheenButton window class: a child window that feeds the control the container's
// notifications, draws it through a DIB surface and reports its Click to the parent as
// WM_COMMAND / BN_CLICKED with its id.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "controls/common/property_bag.h"
#include "controls/common/win32/control_window.h"
#include "controls/common/win32/mouse_tracking.h"
#include "controls/sheenbutton/sheen_button.h"
#include "controls/sheenbutton/win32/hook_win32.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/event_log_win32.h"

namespace controls::sheenbutton::win32 {

inline constexpr wchar_t kClassName[] = L"SheenButton";

struct ButtonArgs {
  common::win32::ControlArgs window;  // its class name and text are the control's own
  PropertyBag settings;               // loaded through the control's own load step
};

class SheenWindow final : public common::win32::ControlWindow<SheenHost> {
 public:
  // The window owns the object and deletes it when it is destroyed. Null when creation failed.
  static HWND create(const ButtonArgs& args);
  // The control behind a SheenButton window, or null for any other window.
  static SheenWindow* fromHwnd(HWND hwnd);

  SheenButton& control() { return control_; }
  // Also told of every event by name with its arguments (tests record them); Click goes to the
  // parent in any case.
  std::function<void(const std::string&)> onEvent;

  class Key {  // only create() makes one
    friend class SheenWindow;
    Key() = default;
  };
  explicit SheenWindow(Key);

  // SheenHost
  void propertyChanged(std::string_view name) override;
  bool userMode() const override { return true; }
  bool findTrackingFunction() override { return tracking_.find(); }
  bool trackWithUser32() const override { return tracking_.fromUser32(); }
  void installHook() override {}  // the control's own registry hooks the window
  void removeHook() override {}
  void armLeaveTracking() override { tracking_.arm(hwnd()); }
  void raise(Event event) override;
  FontSpec ambientFont() const override { return ambient_; }
  std::optional<core::Colour> parentBackground() const override;
  void removeWindowRegion() override { removeRegion(); }
  WindowHandle windowHandle() const override { return HookSystemWin32::fromHwnd(hwnd()); }
  HookSystem& hookSystem() override { return hooks_; }
  platform::EventLog& eventLog() override { return eventLog_; }
  platform::Dialogs& dialogs() override { return dialogs_; }
  void raiseDoubleClick() override;
  void raiseMouse(MouseEvent event, MouseArgs& args) override;

 private:
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void paintNow() override;
  void windowTextChanged(const std::string& text) override;
  MouseArgs mouseArgs(WPARAM wparam, LPARAM lparam) const;

  bool loaded_ = false;
  bool doubleClicked_ = false;
  FontSpec ambient_;
  common::win32::LeaveTracking tracking_;
  HookSystemWin32 hooks_;
  platform::win32::EventLogWin32 eventLog_;
  platform::win32::DialogsWin32 dialogs_;
  SheenButton control_;  // last: it takes the ports above
};

}  // namespace controls::sheenbutton::win32
