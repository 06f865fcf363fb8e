#include "controls/stylebutton/win32/about_panel.h"

#include <string>

#include "controls/common/win32/control_window.h"
#include "controls/stylebutton/style_button.h"
#include "platform/win32/gdi.h"
#include "platform/win32/text_win32.h"

namespace controls::stylebutton::win32 {

namespace {

// The about box's texts on the panel's surface, each in its own font.
class PanelText final : public FontedText {
 public:
  PanelText(AboutPanel& panel, HDC dc) : panel_(panel), dc_(dc) {}
  void draw(gfx::Surface& s, const common::FontSpec& font, std::string_view utf8, gfx::Rect r, unsigned flags,
            gfx::Colour colour) override {
    {
      gfx::win32::GdiText text(dc_, panel_.font(font));
      text.draw(s, utf8, r, flags, colour);
    }
    ::GdiFlush();  // what is drawn next goes straight into the pixels
  }

 private:
  AboutPanel& panel_;
  HDC dc_;
};

gfx::SystemColours systemColours() {
  gfx::SystemColours colours{};
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = ::GetSysColor(static_cast<int>(i));
  return colours;
}

}  // namespace

std::unique_ptr<AboutPanel> AboutPanel::make(HWND control) {
  if (!registerClass(kAboutClassName)) return nullptr;
  auto panel = std::make_unique<AboutPanel>();
  CreateArgs args;
  args.className = kAboutClassName;
  args.style = WS_CHILD | WS_CLIPSIBLINGS;
  args.x = kAboutPlace.left;
  args.y = kAboutPlace.top;
  args.width = kAboutPlace.width();
  args.height = kAboutPlace.height();
  args.parent = control;
  if (!panel->create(args)) return nullptr;
  return panel;
}

HFONT AboutPanel::font(const common::FontSpec& wanted) {
  for (const auto& [made, font] : fonts_)
    if (made == wanted) return font.get();
  platform::win32::UniqueFont made = common::win32::makeControlFont(wanted);
  if (!made) return nullptr;
  fonts_.emplace_back(wanted, std::move(made));
  return fonts_.back().second.get();
}

std::uint32_t AboutPanel::style() const { return static_cast<std::uint32_t>(::GetWindowLongW(hwnd(), GWL_STYLE)); }

bool AboutPanel::show() {
  if (!hwnd()) return false;
  ::ShowWindow(hwnd(), SW_SHOW);
  return true;
}

bool AboutPanel::setStyle(std::uint32_t style) {
  ::SetLastError(0);
  return ::SetWindowLongW(hwnd(), GWL_STYLE, static_cast<LONG>(style)) != 0 || ::GetLastError() == 0;
}

bool AboutPanel::makeTopmost() {
  return ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW) != FALSE;
}

bool AboutPanel::applyFrame() {
  return ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED) !=
         FALSE;
}

bool AboutPanel::setTitle(std::string_view utf8) {
  return ::SetWindowTextW(hwnd(), platform::win32::widen(utf8).c_str()) != FALSE;
}

bool AboutPanel::detach() {
  ::SetParent(hwnd(), nullptr);
  return ::GetAncestor(hwnd(), GA_PARENT) == ::GetDesktopWindow();
}

bool AboutPanel::paint(bool whole) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const bool resized = dib_.surface().width() != client.right || dib_.surface().height() != client.bottom;
  if (!dib_.resize(client.right, client.bottom)) return false;
  const gfx::SystemColours system = systemColours();
  PanelText text(*this, dib_.dc());
  if (whole || resized) {
    dib_.surface().clear(system[gfx::kColorBtnFace]);
    paintAbout(dib_.surface(), text, system, StyleButton::version());
  }
  if (!whole) paintAboutClose(dib_.surface(), text, system, true);
  dib_.flush();
  return true;
}

LRESULT AboutPanel::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd(), &ps);
      if (paint(true)) dib_.blitTo(dc, 0, 0);
      ::EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // Any press, anywhere: the Close button is not hit-tested.
      ::SetCapture(hwnd());
      pressed_ = pressed_ || message == WM_LBUTTONDOWN;
      if (paint(false)) {
        platform::win32::WindowDc dc(hwnd());
        dib_.blitTo(dc.get(), 0, 0);
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      RECT client{};
      ::GetClientRect(hwnd(), &client);
      const bool click = message == WM_LBUTTONUP && pressed_ && ::PtInRect(&client, at);
      if (message == WM_LBUTTONUP) pressed_ = false;
      if (::GetCapture() == hwnd() && !(wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ::ReleaseCapture();
      if (click) ::ShowWindow(hwnd(), SW_HIDE);
      return 0;
    }
    case WM_CAPTURECHANGED: pressed_ = false; return 0;
    default: break;
  }
  return Window::onMessage(message, wparam, lparam);
}

}  // namespace controls::stylebutton::win32
