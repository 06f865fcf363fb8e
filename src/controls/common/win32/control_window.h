#pragma once
// Base of the self-drawn controls' windows. The window owns its object (it deletes it when it is
// destroyed), paints through an off-screen DIB shown with one blit, keeps the caption in step
// with the window text, tells its parent of a click as a button would, and holds the control's
// font and mouse pointer. ControlWindow<Host> answers the part of a control's host that every
// control shares; the control's own window adds the rest.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "controls/common/host.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/form_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace controls::common::win32 {

// A control's font as the one font maker makes it; empty when GDI refuses.
platform::win32::UniqueFont makeControlFont(const FontSpec& font);

struct ControlArgs {
  const wchar_t* className = nullptr;
  HWND parent = nullptr;
  int id = 0;
  int x = 0, y = 0, width = 0, height = 0;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  std::wstring text;
};

class ControlWindowBase : public platform::win32::Window {
 public:
  // The class every control window registers: double clicks, and a DC of its own, since every
  // state change repaints at once and asking for a common DC each time costs more than a skin.
  static bool registerControlClass(const wchar_t* className);
  // The control of class T behind a window of the class named, or null for any other window.
  template <typename T>
  static T* fromClass(HWND hwnd, const wchar_t* className) {
    wchar_t name[32] = {};
    if (!hwnd || !::GetClassNameW(hwnd, name, 32) || ::lstrcmpW(name, className) != 0) return nullptr;
    return static_cast<T*>(fromHandle(hwnd));
  }

  int clientWidth() const;
  int clientHeight() const;
  void resizeClient(int w, int h);
  void setEnabledFlag(bool enabled);
  void setPointer(int pointer) { pointer_ = pointer; }
  // What the custom pointer (code 99) shows; without one it keeps the class arrow.
  void setCustomPointer(LPCWSTR cursor) { customPointer_ = cursor; }
  bool makeFont(const FontSpec& font);
  const FontSpec& fontSpec() const { return fontSpec_; }
  void applyRegion(const gfx::Region& region);
  void removeRegion();
  gfx::Surface* beginSurface(int w, int h);
  void showSurface();
  gfx::TextRenderer& textRenderer();
  void pumpPendingMessages();
  void focusNext(bool backwards);
  int openWithShell(std::string_view link);
  void notifyClick();
  // A stored picture: "res:<id>" is an icon of the program, a path ending ".bmp" a bitmap file,
  // any other path an icon file.
  static std::optional<Picture> loadStoredPicture(std::string_view source);
  // The tip text the control's container keeps for it. A parent that is not one of our forms
  // keeps none, so the control keeps it itself.
  std::string containerTip() const;
  void setContainerTip(const std::string& text);
  // Sets the window text without telling the control (it is the control's own caption).
  void syncWindowText(const std::string& caption);
  bool syncingText() const { return syncingText_; }

 protected:
  ControlWindowBase();
  // Creates the window for an object it will own from then on. Null on failure (the object goes).
  static HWND createOwned(std::unique_ptr<ControlWindowBase> self, const ControlArgs& args);
  void onDestroyed() override;
  // Handles what every control window handles the same way; true when it did.
  bool commonMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // A paint message: the control repaints into the paint DC.
  virtual void paintNow() = 0;
  // The text of a WM_SETTEXT from outside: the caption property follows it.
  virtual void windowTextChanged(const std::string&) {}

 private:
  platform::win32::FormWindow* container() const;

  bool owned_ = false;
  bool syncingText_ = false;
  std::string ownTip_;
  int pointer_ = 0;
  LPCWSTR customPointer_ = nullptr;
  FontSpec fontSpec_;
  platform::win32::UniqueFont font_;
  gfx::win32::DibSurface dib_;
  std::optional<gfx::win32::GdiText> text_;
  HDC paintDc_ = nullptr;
  std::optional<platform::win32::WindowDc> ownDc_;
};

template <typename Host>
class ControlWindow : public ControlWindowBase, public Host {
 public:
  gfx::Colour systemColour(int index) const override { return ::GetSysColor(index); }
  int width() const override { return clientWidth(); }
  int height() const override { return clientHeight(); }
  void setSize(int w, int h) override { resizeClient(w, h); }
  void setWindowEnabled(bool enabled) override { setEnabledFlag(enabled); }
  void setMousePointer(int pointer) override { setPointer(pointer); }
  void setFont(const FontSpec& font) override { makeFont(font); }
  FontSpec font() const override { return fontSpec(); }
  void setWindowRegion(const gfx::Region& region) override { applyRegion(region); }
  gfx::Surface* beginPaint(int w, int h) override { return beginSurface(w, h); }
  void endPaint() override { showSurface(); }
  gfx::TextRenderer& text() override { return textRenderer(); }
  void processPendingMessages() override { pumpPendingMessages(); }
  void moveFocus(bool backwards) override { focusNext(backwards); }
  int shellOpen(std::string_view link) override { return openWithShell(link); }
  std::optional<Picture> loadPicture(std::string_view source) override { return loadStoredPicture(source); }
};

}  // namespace controls::common::win32
