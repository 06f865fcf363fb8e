#pragma once
// The StyleButton window class: a child window whose procedure feeds the control the container's
// notifications, draws it through a DIB surface and reports its Click to the parent as
// WM_COMMAND / BN_CLICKED with its id.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/stylebutton/property_bag.h"
#include "controls/stylebutton/style_button.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/handles.h"

namespace stylebutton::win32 {

inline constexpr wchar_t kClassName[] = L"StyleButton";

struct CreateArgs {
  HWND parent = nullptr;
  int id = 0;
  int x = 0, y = 0, width = 0, height = 0;
  PropertyBag settings;  // loaded through the control's own load step
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
};

class ButtonWindow final : public ButtonHost {
 public:
  // The window owns the object and deletes it when it is destroyed. Null when creation failed.
  static HWND create(const CreateArgs& args);
  // The control behind a StyleButton window, or null for any other window.
  static ButtonWindow* fromHwnd(HWND hwnd);

  HWND hwnd() const { return hwnd_; }
  StyleButton& control() { return control_; }
  // Also told of every event (tests record them); Click goes to the parent in any case.
  std::function<void(Event)> onEvent;

  // The public gray-icon method: draws the icon in gray on the DC. True when drawn.
  static bool paintIconGrayscale(HDC target, HICON icon, int x, int y, int height, int width);

  class Key {  // only create() makes one
    friend class ButtonWindow;
    Key() = default;
  };
  explicit ButtonWindow(Key);
  ButtonWindow(const ButtonWindow&) = delete;
  ButtonWindow& operator=(const ButtonWindow&) = delete;
  ~ButtonWindow() override;

  // ButtonHost
  void propertyChanged(std::string_view name) override;
  bool userMode() const override { return true; }
  bool displayAsDefault() const override { return isDefault_; }
  std::string containerToolTip() const override { return containerTip_; }
  void setContainerToolTip(const std::string& text) override { containerTip_ = text; }
  gfx::Colour systemColour(int index) const override { return ::GetSysColor(index); }
  int width() const override;
  int height() const override;
  void setSize(int w, int h) override;
  void setWindowEnabled(bool enabled) override;
  void setMousePointer(int pointer) override { pointer_ = pointer; }
  void setFont(const FontSpec& font) override;
  FontSpec font() const override { return fontSpec_; }
  void setWindowRegion(const gfx::Region& region) override;
  std::optional<Picture> loadPicture(std::string_view source) override;
  gfx::Surface* beginPaint(int w, int h) override;
  void endPaint() override;
  gfx::TextRenderer& text() override;
  bool findTrackingFunction() override;
  void installHook() override;
  void removeHook() override;
  void armLeaveTracking() override;
  void processPendingMessages() override;
  void moveFocus(bool backwards) override;
  int shellOpen(std::string_view link) override;
  void raise(Event event) override;

 private:
  static bool registerClass();
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK hookProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  int id_ = 0;
  bool ownedByWindow_ = false;
  bool loaded_ = false;
  bool syncingText_ = false;
  bool isDefault_ = false;
  int pointer_ = 0;
  std::string containerTip_;
  FontSpec fontSpec_;
  win::UniqueFont font_;
  gfx::win32::DibSurface dib_;
  std::optional<gfx::win32::GdiText> text_;
  HDC paintDc_ = nullptr;
  std::optional<win::WindowDc> ownDc_;
  using TrackFunction = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  TrackFunction track_ = nullptr;
  WNDPROC previousProcedure_ = nullptr;
  StyleButton control_;
};

// Converts an icon's colour and mask bitmaps to straight-alpha pixels; nothing on failure.
std::optional<gfx::Image> iconToImage(HICON icon);

}  // namespace stylebutton::win32
