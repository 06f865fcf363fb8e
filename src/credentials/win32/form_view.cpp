#include "credentials/win32/form_view.h"

#include <commctrl.h>

#include <cstring>

#include "credentials/pictures.h"
#include "platform/win32/button.h"
#include "platform/win32/text_win32.h"

namespace credentials::view {
namespace {

constexpr UINT_PTR kSubclassId = 1;

COLORREF colorRef(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

win::UniqueFont makeFont(int pixelHeight, int weight) {
  return win::UniqueFont(::CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                       DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

// The settings every button of these windows is stored with.
std::vector<std::pair<std::string, std::string>> buttonSettings(const char* caption) {
  return win::storedButtonSettings(10, caption);
}

}  // namespace

HWND FormView::create() {
  if (hwnd()) return hwnd();
  if (!registerClass(spec_.className, nullptr, nullptr)) return nullptr;

  const DWORD style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;  // no taskbar button; Tab moves
  RECT r{0, 0, spec_.clientWidth, spec_.clientHeight};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  CreateArgs args;
  args.className = spec_.className;
  args.title = spec_.title;
  args.style = style;
  args.exStyle = exStyle;
  args.width = width;
  args.height = height;
  RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  args.x = work.left + (work.right - work.left - width) / 2;
  args.y = work.top + (work.bottom - work.top - height) / 2;

  // The picture belongs to the background, so the Image1 control shows it through its brush.
  const Control* image = nullptr;
  for (const Control& c : spec_.layout) {
    if (c.kind == Kind::Picture) image = &c;
  }
  const pictures::Pixels pixels =
      pictures::background(spec_.clientWidth, spec_.clientHeight, image ? image->x : 0, image ? image->y : 0,
                           image ? image->width : 0, image ? image->height : 0);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  background_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (background_ && bits) {
    std::memcpy(bits, pixels.rgb.data(), pixels.rgb.size() * sizeof(std::uint32_t));
    backgroundBrush_.reset(::CreatePatternBrush(background_.get()));
  }
  labelFont_ = makeFont(11, FW_NORMAL);
  headingFont_ = makeFont(12, FW_BOLD);

  if (!Window::create(args)) return nullptr;
  for (const Control& c : spec_.layout) createControl(c);
  lastFocus_ = control(spec_.firstFocus);
  load();
  push();
  return hwnd();
}

HWND FormView::control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

void FormView::createControl(const Control& c) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id));
  const std::wstring text = win::widen(c.text ? c.text : "");
  HWND child = nullptr;
  HFONT font = labelFont_.get();
  switch (c.kind) {
    case Kind::Picture:
      child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, c.x, c.y, c.width, c.height, hwnd(),
                                menu, instance, nullptr);
      break;
    case Kind::Heading:
      font = headingFont_.get();
      [[fallthrough]];
    case Kind::Label:
      child = ::CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                                c.x, c.y, c.width, c.height, hwnd(), menu, instance, nullptr);
      break;
    case Kind::Masked:
      child = ::CreateWindowExW(0, L"EDIT", text.c_str(),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD, c.x, c.y,
                                c.width, c.height, hwnd(), menu, instance, nullptr);
      ::SendMessageW(child, EM_SETPASSWORDCHAR, L'*', 0);
      ::SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // no limit beyond the system's own
      break;
    case Kind::Combo: {
      // The height given is the closed field's; the list drops below it.
      child = ::CreateWindowExW(0, L"COMBOBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, c.x,
                                c.y, c.width, c.height + 120, hwnd(), menu, instance, nullptr);
      break;
    }
    case Kind::Button:
      child = win::createButton(hwnd(), {c.id, text, c.x, c.y, c.width, c.height, buttonSettings(c.text)});
      break;
  }
  if (!child) return;
  controls_[c.id] = child;
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (c.kind == Kind::Combo) {
    ::SendMessageW(child, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), c.height - 6);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (::GetComboBoxInfo(child, &info) && info.hwndItem) {
      ::SetWindowSubclass(info.hwndItem, &FormView::keyPreview, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
  }
  ::SetWindowSubclass(child, &FormView::keyPreview, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

std::string FormView::text(int id) const {
  HWND child = control(id);
  if (!child) return {};
  const int n = ::GetWindowTextLengthW(child);
  std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = ::GetWindowTextW(child, buffer.data(), n + 1);
  buffer.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return win::narrow(buffer);
}

void FormView::setText(int id, const std::string& utf8) {
  HWND child = control(id);
  // Setting the same text again would move the caret and send a change notice for nothing.
  if (child && text(id) != utf8) ::SetWindowTextW(child, win::widen(utf8).c_str());
}

void FormView::runCommand(int id) {
  pull();
  command(id);
  push();
}

LRESULT CALLBACK FormView::keyPreview(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR selfPtr) {
  auto* self = reinterpret_cast<FormView*>(selfPtr);
  switch (message) {
    case WM_GETDLGCODE: {
      // The dialog manager would turn Enter into its own command before the window could see it.
      const LRESULT code = ::DefSubclassProc(hwnd, message, wparam, lparam);
      const auto* msg = reinterpret_cast<const MSG*>(lparam);
      if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) return code | DLGC_WANTALLKEYS;
      return code;
    }
    case WM_CHAR:
      self->pull();
      if (self->keyPress(static_cast<int>(wparam))) {
        self->push();
        return 0;
      }
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(hwnd, &FormView::keyPreview, kSubclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

HBRUSH FormView::backgroundFor(HWND child, HDC dc) {
  POINT origin{0, 0};
  ::MapWindowPoints(child, hwnd(), &origin, 1);
  ::SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
  return backgroundBrush_ ? backgroundBrush_.get() : ::GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT FormView::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT r{};
      ::GetClientRect(hwnd(), &r);
      ::SetBrushOrgEx(reinterpret_cast<HDC>(wparam), 0, 0, nullptr);
      ::FillRect(reinterpret_cast<HDC>(wparam), &r,
                 backgroundBrush_ ? backgroundBrush_.get() : ::GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      HWND child = reinterpret_cast<HWND>(lparam);
      RECT r{};
      ::GetWindowRect(child, &r);
      POINT top{r.left, r.top};
      ::ScreenToClient(hwnd(), &top);
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, colorRef(top.y < pictures::kBandHeight ? pictures::kHeadingText : pictures::kLabelText));
      return reinterpret_cast<LRESULT>(backgroundFor(child, dc));
    }
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(backgroundFor(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam)));
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      // A drop-down field keeps its text selected after Tab has passed through it.
      if (HIWORD(wparam) == CBN_KILLFOCUS)
        ::SendMessageW(reinterpret_cast<HWND>(lparam), CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
      if (HIWORD(wparam) == BN_CLICKED && id >= kStyleButton1 && id <= kStyleButton3 && lparam) runCommand(id);
      return 0;
    }
    case WM_CHAR:
      // Keys that reach the window itself (no control has the focus).
      pull();
      if (keyPress(static_cast<int>(wparam))) push();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd(), focus)) lastFocus_ = focus;
      } else if (lastFocus_) {
        ::SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_CLOSE:
      // Windows are hidden, never destroyed, before the session ends.
      ::ShowWindow(hwnd(), SW_HIDE);
      return 0;
    default:
      break;
  }
  return Window::onMessage(message, wparam, lparam);
}

}  // namespace credentials::view
