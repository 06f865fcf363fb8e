#include "controls/sheenbutton/win32/sheen_button_window.h"

#include <windowsx.h>

#include <memory>
#include <utility>

#include "core/text.h"
#include "gfx/win32/picture_win32.h"
#include "platform/win32/text_win32.h"

namespace controls::sheenbutton::win32 {

SheenWindow::SheenWindow(Key)
    : ambient_(fontSpec()),
      dialogs_([this](platform::WindowId) { return hwnd() ? ::GetAncestor(hwnd(), GA_ROOT) : nullptr; }),
      control_(*this) {
  setCustomPointer(IDC_HAND);  // DisplayHand: the pointer its name asks for
}

HWND SheenWindow::create(const ButtonArgs& args) {
  auto self = std::make_unique<SheenWindow>(Key());
  SheenWindow* button = self.get();
  common::win32::ControlArgs window = args.window;
  window.className = kClassName;
  window.text = platform::win32::widen(args.settings.find("caption").value_or("SheenButton"));
  HWND hwnd = createOwned(std::move(self), window);
  if (!hwnd) return nullptr;
  button->control_.load(args.settings);
  button->loaded_ = true;
  button->syncWindowText(button->control_.caption());
  button->control_.shown();
  if (args.window.style & WS_VISIBLE) ::ShowWindow(hwnd, SW_SHOWNA);
  return hwnd;
}

SheenWindow* SheenWindow::fromHwnd(HWND hwnd) { return fromClass<SheenWindow>(hwnd, kClassName); }

// The surface keeps the last repaint; a paint message only shows it again.
void SheenWindow::paintNow() { showSurface(); }

void SheenWindow::windowTextChanged(const std::string& text) {
  if (loaded_) control_.setCaption(text);
}

MouseArgs SheenWindow::mouseArgs(WPARAM wparam, LPARAM lparam) const {
  MouseArgs a;
  if (wparam & MK_LBUTTON) a.button |= common::kLeftButton;
  if (wparam & MK_RBUTTON) a.button |= common::kRightButton;
  if (wparam & MK_MBUTTON) a.button |= common::kMiddleButton;
  if (wparam & MK_SHIFT) a.shift |= 1;
  if (wparam & MK_CONTROL) a.shift |= 2;
  if (::GetKeyState(VK_MENU) < 0) a.shift |= 4;
  a.x = static_cast<float>(GET_X_LPARAM(lparam));
  a.y = static_cast<float>(GET_Y_LPARAM(lparam));
  return a;
}

LRESULT SheenWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (LRESULT result = 0; commonMessage(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_SIZE:
      if (loaded_) control_.resized();
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      const LRESULT result = ::DefWindowProcW(hwnd(), message, wparam, lparam);
      if (loaded_ && (pos->flags & SWP_SHOWWINDOW)) control_.shown();
      return result;
    }
    case WM_SETFOCUS: control_.gotFocus(); return 0;
    case WM_KILLFOCUS: control_.lostFocus(); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      if (::GetFocus() != hwnd()) ::SetFocus(hwnd());
      ::SetCapture(hwnd());
      MouseArgs a = mouseArgs(wparam, lparam);
      // The button that went down, as the container reports it: that one alone.
      a.button = message == WM_LBUTTONDOWN   ? common::kLeftButton
                 : message == WM_RBUTTONDOWN ? common::kRightButton
                                             : common::kMiddleButton;
      control_.mouseDown(a);
      return 0;
    }
    case WM_MOUSEMOVE: control_.mouseMove(mouseArgs(wparam, lparam)); return 0;
    case WM_LBUTTONDBLCLK:
      ::SetCapture(hwnd());
      doubleClicked_ = true;
      control_.doubleClick();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      MouseArgs a = mouseArgs(wparam, lparam);
      a.button = message == WM_LBUTTONUP   ? common::kLeftButton
                 : message == WM_RBUTTONUP ? common::kRightButton
                                           : common::kMiddleButton;
      const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      RECT client;
      ::GetClientRect(hwnd(), &client);
      const bool inside = ::PtInRect(&client, at) != FALSE;
      const bool wasCaptured = ::GetCapture() == hwnd();
      if (wasCaptured) ::ReleaseCapture();
      // Taking the capture dropped the leave request the hover made: ask again, so the pointer
      // that is already outside (or leaves later) still ends the hover.
      if (control_.mouseOver() && control_.trackingAvailable()) tracking_.arm(hwnd());
      HWND self = hwnd();
      control_.mouseUp(a);
      // A click is a left press and release over the control; the second press of a double
      // click was the double click.
      const bool secondOfDouble = message == WM_LBUTTONUP && std::exchange(doubleClicked_, false);
      if (message == WM_LBUTTONUP && inside && wasCaptured && !secondOfDouble && ::IsWindow(self)) control_.click();
      return 0;
    }
    case WM_KEYDOWN: control_.keyDown(static_cast<int>(wparam)); return 0;
    case WM_KEYUP: control_.keyUp(static_cast<int>(wparam)); return 0;
    case WM_GETDLGCODE: {
      // Enter belongs to the control, not to the dialog's default button.
      const auto* msg = reinterpret_cast<const MSG*>(lparam);
      if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) && msg->wParam == VK_RETURN)
        return DLGC_WANTMESSAGE | DLGC_UNDEFPUSHBUTTON;
      return DLGC_UNDEFPUSHBUTTON;
    }
    case BM_CLICK: control_.click(); return 0;
    case WM_DESTROY: control_.terminate(); break;
    default: break;
  }
  return Window::onMessage(message, wparam, lparam);
}

// --- SheenHost ----------------------------------------------------------------------------------

void SheenWindow::propertyChanged(std::string_view name) {
  if (name == "Caption") syncWindowText(control_.caption());
}

std::optional<core::Colour> SheenWindow::parentBackground() const {
  HWND parent = hwnd() ? ::GetParent(hwnd()) : nullptr;
  if (!parent) return std::nullopt;
  // A class brush that is a system colour number, or a solid brush whose colour can be read.
  const auto brush = static_cast<ULONG_PTR>(::GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
  if (brush == 0) return std::nullopt;
  if (brush <= COLOR_MENUBAR + 1) return ::GetSysColor(static_cast<int>(brush - 1));
  LOGBRUSH lb{};
  if (::GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb) != sizeof lb || lb.lbStyle != BS_SOLID)
    return std::nullopt;
  return lb.lbColor;
}

void SheenWindow::raise(Event event) {
  HWND self = hwnd();
  if (onEvent) {
    switch (event) {
      case Event::Click: onEvent("Click"); break;
      case Event::MouseEnter: onEvent("MouseEnter"); break;
      case Event::MouseLeave: onEvent("MouseLeave"); break;
    }
  }
  // The handler may have destroyed the window (and this object with it).
  if (event == Event::Click && self && ::IsWindow(self) && fromHwnd(self) == this) notifyClick();
}

void SheenWindow::raiseDoubleClick() {
  if (onEvent) onEvent("DblClick");
}

void SheenWindow::raiseMouse(MouseEvent event, MouseArgs& a) {
  if (!onEvent) return;
  const char* name = event == MouseEvent::MouseDown   ? "MouseDown"
                     : event == MouseEvent::MouseMove ? "MouseMove"
                                                      : "MouseUp";
  onEvent(std::string(name) + " " + std::to_string(a.button) + " " + std::to_string(a.shift) + " " +
          std::to_string(static_cast<int>(a.x)) + " " + std::to_string(static_cast<int>(a.y)));
}

}  // namespace controls::sheenbutton::win32
