#pragma once
// The StyleButton window class: a child window that feeds the control the container's
// notifications, draws it through a DIB surface and reports its Click to the parent as
// WM_COMMAND / BN_CLICKED with its id.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/common/property_bag.h"
#include "controls/common/win32/control_window.h"
#include "controls/common/win32/mouse_tracking.h"
#include "controls/stylebutton/style_button.h"
#include "controls/stylebutton/win32/about_panel.h"
#include "controls/stylebutton/win32/theme_win32.h"
#include "controls/stylebutton/win32/tooltip_win32.h"

namespace controls::stylebutton::win32 {

inline constexpr wchar_t kClassName[] = L"StyleButton";

struct ButtonArgs {
  common::win32::ControlArgs window;  // its class name and text are the control's own
  PropertyBag settings;               // loaded through the control's own load step
};

class ButtonWindow final : public common::win32::ControlWindow<ButtonHost> {
 public:
  // The window owns the object and deletes it when it is destroyed. Null when creation failed.
  static HWND create(const ButtonArgs& args);
  // The control behind a StyleButton window, or null for any other window.
  static ButtonWindow* fromHwnd(HWND hwnd);

  StyleButton& control() { return control_; }
  // Also told of every event (tests record them); Click goes to the parent in any case.
  std::function<void(Event)> onEvent;

  // The public gray-icon method: draws the icon in gray on the DC. True when drawn.
  static bool paintIconGrayscale(HDC target, HICON icon, int x, int y, int height, int width);

  class Key {  // only create() makes one
    friend class ButtonWindow;
    Key() = default;
  };
  explicit ButtonWindow(Key) : control_(*this) {}

  // ButtonHost
  void propertyChanged(std::string_view name) override;
  bool userMode() const override { return true; }
  bool displayAsDefault() const override { return isDefault_; }
  std::string containerToolTip() const override { return containerTip(); }
  void setContainerToolTip(const std::string& text) override { setContainerTip(text); }
  bool findTrackingFunction() override { return tracking_.find(); }
  void installHook() override;
  void removeHook() override;
  void armLeaveTracking() override { tracking_.arm(hwnd()); }
  void raise(Event event) override;
  ThemePort* theme() override;
  TooltipPort* tooltip() override;
  AboutPort* aboutPanel() override;

  // The tooltip window while there is one, and the about panel once it was made (tests look).
  HWND tooltipWindow() const { return tooltip_ ? tooltip_->hwnd() : nullptr; }
  HWND aboutWindow() const { return about_ ? about_->hwnd() : nullptr; }

 private:
  static constexpr UINT_PTR kHookId = 1;
  static LRESULT CALLBACK hookProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                        DWORD_PTR self);
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void paintNow() override;
  void windowTextChanged(const std::string& text) override;

  bool loaded_ = false;
  bool isDefault_ = false;
  common::win32::LeaveTracking tracking_;
  bool hooked_ = false;
  std::optional<UxTheme> theme_;
  std::optional<OwnTooltip> tooltip_;
  std::unique_ptr<AboutPanel> about_;
  StyleButton control_;
};

}  // namespace controls::stylebutton::win32
