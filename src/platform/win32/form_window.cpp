#include "platform/win32/form_window.h"

#include "platform/win32/text_win32.h"

namespace platform::win32 {

bool FormWindow::createForm(const FormArgs& form, const std::vector<Child>& children) {
  if (!registerClass(form.className, form.icon, nullptr)) return false;
  RECT frame{0, 0, form.clientWidth, form.clientHeight};
  ::AdjustWindowRectEx(&frame, form.style, FALSE, form.exStyle);
  CreateArgs args;
  args.className = form.className;
  args.title = form.title;
  args.style = form.style;
  args.exStyle = form.exStyle;
  args.width = frame.right - frame.left;
  args.height = frame.bottom - frame.top;
  if (form.centred) {
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    args.x = work.left + (work.right - work.left - args.width) / 2;
    args.y = work.top + (work.bottom - work.top - args.height) / 2;
  }
  if (!create(args)) return false;
  for (const Child& child : children) {
    HWND hwnd = child.kind == ChildKind::Button || child.kind == ChildKind::Other ? createChild(child)
                                                                                  : createStandardChild(child);
    if (!hwnd) continue;
    controls_[child.id] = hwnd;
    if (child.kind == ChildKind::Link) links_.push_back(hwnd);
    if (HFONT font = fontFor(child)) ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return true;
}

HWND FormWindow::createChild(const Child&) { return nullptr; }

HWND FormWindow::createStandardChild(const Child& c) {
  const wchar_t* className = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE | c.style;
  int height = c.height;
  switch (c.kind) {
    case ChildKind::Label: style |= SS_NOPREFIX; break;
    case ChildKind::Link: style |= SS_NOPREFIX | SS_NOTIFY; break;
    case ChildKind::Picture: break;
    case ChildKind::Password:
      className = L"EDIT";
      style |= WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD;
      break;
    case ChildKind::DropDown:
      className = L"COMBOBOX";
      style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
      height += 120;  // the list drops below the field
      break;
    case ChildKind::Button:
    case ChildKind::Other: return nullptr;
  }
  HWND hwnd = ::CreateWindowExW(0, className, c.kind == ChildKind::Picture ? L"" : c.text, style, c.x, c.y, c.width,
                                height, this->hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                ::GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  if (c.kind == ChildKind::Password) {
    ::SendMessageW(hwnd, EM_SETPASSWORDCHAR, L'*', 0);
    ::SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // no limit beyond the system's own
  } else if (c.kind == ChildKind::DropDown) {
    ::SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), c.height - 6);
  }
  return hwnd;
}

HWND FormWindow::control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

std::string FormWindow::text(int id) const {
  HWND child = control(id);
  if (!child) return {};
  const int n = ::GetWindowTextLengthW(child);
  std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = ::GetWindowTextW(child, buffer.data(), n + 1);
  buffer.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return narrow(buffer);
}

void FormWindow::setText(int id, const std::string& utf8) {
  HWND child = control(id);
  if (child && text(id) != utf8) ::SetWindowTextW(child, widen(utf8).c_str());
}

std::string FormWindow::tipText(HWND child) const {
  const auto it = tips_.find(child);
  return it == tips_.end() ? std::string() : it->second;
}

void FormWindow::setTipText(HWND child, const std::string& utf8) {
  if (utf8.empty()) tips_.erase(child);
  else tips_[child] = utf8;
}

void FormWindow::setBackground(UniqueBitmap picture) {
  background_ = std::move(picture);
  backgroundBrush_.reset(background_ ? ::CreatePatternBrush(background_.get()) : nullptr);
}

void FormWindow::onCommand(int id, int code, std::function<void()> handler) {
  commands_[{id, code}] = std::move(handler);
}

HBRUSH FormWindow::childBrush(HWND child, HDC dc) {
  if (!backgroundBrush_) return ::GetSysColorBrush(COLOR_BTNFACE);
  // The brush is the background moved to the child, so the child shows what lies under it.
  POINT origin{0, 0};
  ::MapWindowPoints(child, hwnd(), &origin, 1);
  ::SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
  return backgroundBrush_.get();
}

void FormWindow::paintBackground(HDC dc) {
  RECT r{};
  ::GetClientRect(hwnd(), &r);
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::FillRect(dc, &r, backgroundBrush_ ? backgroundBrush_.get() : ::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT FormWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: paintBackground(reinterpret_cast<HDC>(wparam)); return 1;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      HWND child = reinterpret_cast<HWND>(lparam);
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, textColour(child));
      return reinterpret_cast<LRESULT>(childBrush(child, dc));
    }
    case WM_SETCURSOR:
      for (HWND link : links_) {
        if (reinterpret_cast<HWND>(wparam) == link) {
          ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_COMMAND: {
      const auto it = commands_.find({LOWORD(wparam), HIWORD(wparam)});
      if (it != commands_.end()) it->second();
      return 0;
    }
    case WM_ACTIVATE:
      // Give the focus back to the control that had it, as the system's dialogs do.
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd(), focus)) lastFocus_ = focus;
      } else if (lastFocus_ && ::IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return 0;
      }
      break;
    default: break;
  }
  return Window::onMessage(message, wparam, lparam);
}

}  // namespace platform::win32
