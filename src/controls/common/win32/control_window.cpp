#include "controls/common/win32/control_window.h"

#include <shellapi.h>

#include <algorithm>
#include <cmath>

#include "controls/common/property_bag.h"
#include "core/text.h"
#include "gfx/win32/picture_win32.h"
#include "platform/win32/gdi.h"
#include "platform/win32/text_win32.h"

namespace controls::common::win32 {

namespace {

// Cursors for the host's mouse-pointer codes; 0 and unknown codes keep the class arrow.
LPCWSTR cursorFor(int pointer) {
  switch (pointer) {
    case 1: return IDC_ARROW;
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 5:
    case 15: return IDC_SIZEALL;
    case 6: return IDC_SIZENESW;
    case 7: return IDC_SIZENS;
    case 8: return IDC_SIZENWSE;
    case 9: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    default: return nullptr;
  }
}

}  // namespace

ControlWindowBase::ControlWindowBase() {
  // Until a font is loaded the control draws with the system's message font.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    fontSpec_.face = platform::win32::narrow(metrics.lfMessageFont.lfFaceName);
    platform::win32::WindowDc screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    fontSpec_.size = std::abs(metrics.lfMessageFont.lfHeight) * 72.0 / (dpi > 0 ? dpi : 96);
  }
}

bool ControlWindowBase::registerControlClass(const wchar_t* className) {
  return registerClass(className, nullptr, nullptr, CS_DBLCLKS | CS_OWNDC);
}

HWND ControlWindowBase::createOwned(std::unique_ptr<ControlWindowBase> self, const ControlArgs& args) {
  if (!registerControlClass(args.className)) return nullptr;
  CreateArgs create;
  create.className = args.className;
  create.title = args.text.c_str();
  create.style = args.style & ~WS_VISIBLE;  // shown by the caller once the control is loaded
  create.x = args.x;
  create.y = args.y;
  create.width = args.width;
  create.height = args.height;
  create.parent = args.parent;
  create.id = args.id;
  if (!self->create(create)) return nullptr;
  ControlWindowBase* owned = self.release();  // the window deletes it when it goes
  owned->owned_ = true;
  owned->ownDc_.emplace(owned->hwnd());
  return owned->hwnd();
}

void ControlWindowBase::onDestroyed() {
  ownDc_.reset();
  if (owned_) std::unique_ptr<ControlWindowBase> owner(this);
}

int ControlWindowBase::clientWidth() const {
  RECT r{};
  ::GetClientRect(hwnd(), &r);
  return r.right - r.left;
}

int ControlWindowBase::clientHeight() const {
  RECT r{};
  ::GetClientRect(hwnd(), &r);
  return r.bottom - r.top;
}

void ControlWindowBase::resizeClient(int w, int h) {
  ::SetWindowPos(hwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlWindowBase::setEnabledFlag(bool enabled) {
  if (hwnd() && (::IsWindowEnabled(hwnd()) != FALSE) != enabled) ::EnableWindow(hwnd(), enabled);
}

platform::win32::UniqueFont makeControlFont(const FontSpec& font) {
  const std::wstring face = platform::win32::widen(font.face);
  platform::win32::FontRequest request;
  request.face = face.c_str();
  request.points = font.size;
  request.bold = font.bold;
  request.italic = font.italic;
  request.underline = font.underline;
  request.strikeout = font.strikeout;
  return platform::win32::makeFont(request);
}

bool ControlWindowBase::makeFont(const FontSpec& font) {
  platform::win32::UniqueFont created = makeControlFont(font);
  if (!created) return false;
  fontSpec_ = font;
  text_.reset();
  font_ = std::move(created);
  return true;
}

void ControlWindowBase::removeRegion() {
  if (hwnd()) ::SetWindowRgn(hwnd(), nullptr, TRUE);
}

void ControlWindowBase::applyRegion(const gfx::Region& region) {
  platform::win32::UniqueRegion shape = gfx::win32::toRegion(region);
  if (shape && ::SetWindowRgn(hwnd(), shape.get(), TRUE)) shape.release();  // the window owns it now
}

gfx::Surface* ControlWindowBase::beginSurface(int w, int h) {
  if (!dib_.resize(w, h)) return nullptr;
  dib_.flush();  // text from the last repaint may still be queued in GDI
  return &dib_.surface();
}

void ControlWindowBase::showSurface() {
  dib_.flush();
  if (paintDc_) {
    dib_.blitTo(paintDc_, 0, 0);
  } else if (hwnd() && ownDc_ && *ownDc_) {
    dib_.blitTo(ownDc_->get(), 0, 0);
  }
}

gfx::TextRenderer& ControlWindowBase::textRenderer() {
  if (!dib_.dc()) dib_.resize(std::max(clientWidth(), 1), std::max(clientHeight(), 1));
  if (!text_) text_.emplace(dib_.dc(), font_.get());
  return *text_;
}

void ControlWindowBase::pumpPendingMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void ControlWindowBase::focusNext(bool backwards) {
  HWND root = ::GetAncestor(hwnd(), GA_ROOT);
  if (HWND next = ::GetNextDlgTabItem(root, hwnd(), backwards ? TRUE : FALSE); next && next != hwnd()) ::SetFocus(next);
}

int ControlWindowBase::openWithShell(std::string_view link) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(hwnd(), L"open", platform::win32::widen(link).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return static_cast<int>(result);
}

void ControlWindowBase::notifyClick() {
  HWND self = hwnd();
  if (self && ::IsWindow(self)) {
    ::SendMessageW(::GetParent(self), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(self), BN_CLICKED),
                   reinterpret_cast<LPARAM>(self));
  }
}

platform::win32::FormWindow* ControlWindowBase::container() const {
  return hwnd() ? dynamic_cast<platform::win32::FormWindow*>(fromHandle(::GetParent(hwnd()))) : nullptr;
}

std::string ControlWindowBase::containerTip() const {
  if (const platform::win32::FormWindow* form = container()) return form->tipText(hwnd());
  return ownTip_;
}

void ControlWindowBase::setContainerTip(const std::string& text) {
  if (platform::win32::FormWindow* form = container()) form->setTipText(hwnd(), text);
  else ownTip_ = text;
}

void ControlWindowBase::syncWindowText(const std::string& caption) {
  if (syncingText_ || !hwnd()) return;
  syncingText_ = true;
  ::SetWindowTextW(hwnd(), platform::win32::widen(caption).c_str());
  syncingText_ = false;
}

bool ControlWindowBase::commonMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: result = 1; return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      paintDc_ = ::BeginPaint(hwnd(), &ps);
      paintNow();
      ::EndPaint(hwnd(), &ps);
      paintDc_ = nullptr;
      result = 0;
      return true;
    }
    case WM_SETTEXT:
      result = ::DefWindowProcW(hwnd(), message, wparam, lparam);
      if (!syncingText_) {
        syncingText_ = true;
        windowTextChanged(platform::win32::narrow(lparam ? reinterpret_cast<const wchar_t*>(lparam) : L""));
        syncingText_ = false;
      }
      return true;
    case WM_GETFONT: result = reinterpret_cast<LRESULT>(font_.get()); return true;
    case WM_SETCURSOR:
      if (LPCWSTR cursor = pointer_ == 99 ? customPointer_ : cursorFor(pointer_);
          cursor && LOWORD(lparam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, cursor));
        result = TRUE;
        return true;
      }
      return false;
    default: return false;
  }
}

std::optional<Picture> ControlWindowBase::loadStoredPicture(std::string_view source) {
  const std::string text(source);
  std::optional<gfx::Image> image;
  bool isIcon = true;
  if (text.rfind("res:", 0) == 0) {
    const auto id = common::parseInteger(text.substr(4));
    if (!id) return std::nullopt;
    image = gfx::win32::loadIconResource(static_cast<int>(*id));
  } else if (text.size() > 4 && core::asciiLower(text.substr(text.size() - 4)) == ".bmp") {
    image = gfx::win32::loadBitmapFile(text);
    isIcon = false;
  } else {
    image = gfx::win32::loadIconFile(text);
  }
  if (!image) return std::nullopt;
  return Picture{text, std::make_shared<gfx::Image>(std::move(*image)), isIcon};
}

}  // namespace controls::common::win32
