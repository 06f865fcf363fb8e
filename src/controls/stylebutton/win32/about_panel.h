#pragma once
// The about box's panel: a hidden child window of the control until About() makes it a top-most
// window of its own. It paints itself, draws its Close button pressed on a mouse press, and hides
// on a click anywhere inside it.
#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "controls/common/font.h"
#include "controls/stylebutton/about_box.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace controls::stylebutton::win32 {

inline constexpr wchar_t kAboutClassName[] = L"StyleButtonAbout";

class AboutPanel final : public platform::win32::Window, public AboutPort {
 public:
  // Hidden, inside the control's window. Null when the system refuses.
  static std::unique_ptr<AboutPanel> make(HWND control);

  std::uint32_t style() const override;
  bool show() override;
  bool setStyle(std::uint32_t style) override;
  bool makeTopmost() override;
  bool applyFrame() override;
  bool setTitle(std::string_view utf8) override;
  bool detach() override;

  // The fonts made so far; each is made once and kept while the panel lives.
  HFONT font(const common::FontSpec& wanted);

 private:
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Paints into the panel's surface; whole: everything, else the Close button pressed.
  bool paint(bool whole);

  gfx::win32::DibSurface dib_;
  std::vector<std::pair<common::FontSpec, platform::win32::UniqueFont>> fonts_;
  bool pressed_ = false;  // a left press inside, waiting for its release
};

}  // namespace controls::stylebutton::win32
