#include "controls/stylebutton/win32/style_button_window.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "controls/stylebutton/renderer.h"
#include "core/text.h"
#include "gfx/colour_ops.h"
#include "gfx/win32/picture_win32.h"
#include "platform/win32/gdi.h"
#include "platform/win32/text_win32.h"

namespace controls::stylebutton::win32 {

HWND ButtonWindow::create(const ButtonArgs& args) {
  auto self = std::make_unique<ButtonWindow>(Key());
  ButtonWindow* button = self.get();
  common::win32::ControlArgs window = args.window;
  window.className = kClassName;
  window.text = platform::win32::widen(args.settings.find("caption").value_or(""));
  HWND hwnd = createOwned(std::move(self), window);
  if (!hwnd) return nullptr;
  button->control_.load(args.settings);
  button->loaded_ = true;
  button->syncWindowText(button->control_.caption());
  if (args.window.style & WS_VISIBLE) {
    ::ShowWindow(hwnd, SW_SHOWNA);
    // Under a hidden parent the system only sets the style bit and sends no show message.
    if (!button->control_.isShown()) button->control_.show();
  }
  return hwnd;
}

ButtonWindow* ButtonWindow::fromHwnd(HWND hwnd) { return fromClass<ButtonWindow>(hwnd, kClassName); }

// Runs ahead of the window's own procedure for the four messages it watches, then passes every
// message on unchanged.
LRESULT CALLBACK ButtonWindow::hookProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                             DWORD_PTR selfPtr) {
  auto* self = reinterpret_cast<ButtonWindow*>(selfPtr);
  switch (message) {
    case WM_MOUSEMOVE: {
      // Moves reach a captured control from anywhere; only one over it is an entry.
      RECT client;
      ::GetClientRect(hwnd, &client);
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (::PtInRect(&client, at)) self->control_.hookMouseMove();
      break;
    }
    case WM_MOUSELEAVE:
      // A captured mouse has not left yet, whatever the pointer's position says; the release
      // outside queues the leave (see WM_LBUTTONUP).
      if (::GetCapture() != hwnd) self->control_.hookMouseLeave();
      break;
    case WM_THEMECHANGED: self->control_.hookThemeChanged(); break;
    case WM_SYSCOLORCHANGE: self->control_.hookSysColorChange(); break;
    case WM_NCDESTROY: ::RemoveWindowSubclass(hwnd, &ButtonWindow::hookProcedure, kHookId); break;
    default: break;
  }
  return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

void ButtonWindow::paintNow() {
  // A window that paints is shown, whether or not a show message said so.
  if (loaded_ && !control_.isShown()) control_.show();
  else if (loaded_) control_.paint();
}

void ButtonWindow::windowTextChanged(const std::string& text) {
  if (loaded_) control_.setCaption(text);
}

LRESULT ButtonWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (LRESULT result = 0; commonMessage(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_SIZE:
      if (loaded_) control_.resized();
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      const LRESULT result = ::DefWindowProcW(hwnd(), message, wparam, lparam);
      if (loaded_ && (pos->flags & SWP_SHOWWINDOW) && !control_.isShown()) control_.show();
      if (loaded_ && (pos->flags & SWP_HIDEWINDOW)) control_.hide();
      return result;
    }
    case WM_SETFOCUS: control_.gotFocus(); return 0;
    case WM_KILLFOCUS: control_.lostFocus(); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (message == WM_LBUTTONDOWN && ::GetFocus() != hwnd()) ::SetFocus(hwnd());
      ::SetCapture(hwnd());
      control_.mouseDown(message == WM_LBUTTONDOWN   ? common::kLeftButton
                         : message == WM_RBUTTONDOWN ? common::kRightButton
                                                     : common::kMiddleButton);
      return 0;
    case WM_LBUTTONDBLCLK:
      ::SetCapture(hwnd());
      control_.doubleClick();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const int button = message == WM_LBUTTONUP   ? common::kLeftButton
                         : message == WM_RBUTTONUP ? common::kRightButton
                                                   : common::kMiddleButton;
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      RECT client;
      ::GetClientRect(hwnd(), &client);
      const bool inside = ::PtInRect(&client, at) != FALSE;
      if (::GetCapture() == hwnd()) ::ReleaseCapture();
      // While the mouse was captured no leave was reported; the one the system owes us for a
      // release outside is queued here, so the mouse-up handling finds it pending.
      if (!inside && control_.mouseInside() && control_.hookInstalled()) ::PostMessageW(hwnd(), WM_MOUSELEAVE, 0, 0);
      control_.mouseUp(button);
      if (inside && hwnd()) control_.click();
      return 0;
    }
    case WM_KEYDOWN:
      if (wparam == VK_TAB) {
        control_.keyDown(VK_TAB);
        moveFocus(::GetKeyState(VK_SHIFT) < 0);
      } else {
        control_.keyDown(static_cast<int>(wparam));
      }
      return 0;
    case WM_KEYUP: control_.keyUp(static_cast<int>(wparam)); return 0;
    case WM_GETDLGCODE: {
      // The dialog manager moves the focus on Tab itself; the control still hears the key.
      const auto* msg = reinterpret_cast<const MSG*>(lparam);
      // It also asks the control that is about to get the focus, with the same message.
      if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && ::GetFocus() == hwnd())
        control_.keyDown(VK_TAB);
      return DLGC_WANTARROWS | (isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    case BM_CLICK: control_.accessKey(); return 0;
    case BM_SETSTYLE: {
      const bool isDefault = (wparam & 0x0F) == BS_DEFPUSHBUTTON;
      if (isDefault != isDefault_) {
        isDefault_ = isDefault;
        control_.ambientChanged("DisplayAsDefault");
      }
      return 0;
    }
    case WM_ENABLE:
      if ((wparam != 0) != control_.enabled()) control_.setEnabled(wparam != 0);
      return 0;
    case WM_DESTROY:
      control_.terminate();
      tooltip_.reset();
      break;
    default: break;
  }
  return Window::onMessage(message, wparam, lparam);
}

// --- ButtonHost ---------------------------------------------------------------------------------

void ButtonWindow::propertyChanged(std::string_view name) {
  if (name == "Caption") syncWindowText(control_.caption());
}

void ButtonWindow::installHook() {
  hooked_ =
      ::SetWindowSubclass(hwnd(), &ButtonWindow::hookProcedure, kHookId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void ButtonWindow::removeHook() {
  if (hooked_ && hwnd()) ::RemoveWindowSubclass(hwnd(), &ButtonWindow::hookProcedure, kHookId);
  hooked_ = false;
}

void ButtonWindow::raise(Event event) {
  HWND self = hwnd();
  if (onEvent) onEvent(event);
  // The handler may have destroyed the window (and this object with it).
  if (event == Event::Click && self && ::IsWindow(self) && fromHwnd(self) == this) notifyClick();
}

ThemePort* ButtonWindow::theme() {
  if (!theme_ && hwnd()) {
    theme_.emplace(hwnd(), [this]() -> HDC {
      // The caption's renderer draws on the DC the surface is selected into.
      auto* text = dynamic_cast<gfx::win32::GdiText*>(&textRenderer());
      return text ? text->dc() : nullptr;
    });
  }
  return theme_ ? &*theme_ : nullptr;
}

TooltipPort* ButtonWindow::tooltip() {
  if (!tooltip_ && hwnd()) tooltip_.emplace(hwnd());
  return tooltip_ ? &*tooltip_ : nullptr;
}

AboutPort* ButtonWindow::aboutPanel() {
  if (!about_ && hwnd()) about_ = AboutPanel::make(hwnd());
  return about_.get();
}

bool ButtonWindow::paintIconGrayscale(HDC target, HICON icon, int x, int y, int height, int width) {
  if (!target || !icon) return false;
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return false;
  platform::win32::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  if (!colour) return false;
  BITMAP bm{};
  if (!::GetObjectW(colour.get(), sizeof bm, &bm)) return false;
  std::vector<std::uint32_t> pixels = platform::win32::readPixels(colour.get(), bm.bmWidth, bm.bmHeight);
  if (pixels.empty()) return false;
  for (auto& p : pixels) p = (p & 0xFF000000u) | gfx::toDib(grayIconColour(gfx::fromDib(p & 0xFFFFFFu)));
  if (!platform::win32::writePixels(colour.get(), bm.bmWidth, bm.bmHeight, pixels)) return false;
  ICONINFO grayInfo{TRUE, 0, 0, mask.get(), colour.get()};
  platform::win32::UniqueIcon gray(::CreateIconIndirect(&grayInfo));
  if (!gray) return false;
  return ::DrawIconEx(target, x, y, gray.get(), width, height, 0, nullptr, DI_NORMAL) != FALSE;
}

}  // namespace controls::stylebutton::win32
