#include "platform/win32/window.h"

namespace platform::win32 {

Window::~Window() {
  if (hwnd_) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool Window::registerClass(const wchar_t* className, HICON icon, HBRUSH background, UINT style) {
  WNDCLASSEXW wc{};
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, className, &wc)) return true;
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = &Window::procedure;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  return ::RegisterClassExW(&wc) != 0;
}

bool Window::create(const CreateArgs& args) {
  hwnd_ = ::CreateWindowExW(args.exStyle, args.className, args.title, args.style, args.x, args.y, args.width,
                            args.height, args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                            ::GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

Window* Window::fromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wchar_t name[256] = {};
  // Only a class registered with our procedure keeps a Window in its user data.
  if (!::GetClassNameW(hwnd, name, 256) || !::GetClassInfoExW(::GetModuleHandleW(nullptr), name, &wc) ||
      wc.lpfnWndProc != &Window::procedure)
    return nullptr;
  return reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT Window::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return ::DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = self->onMessage(message, wparam, lparam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->onDestroyed();
    return result;
  }
  return self->onMessage(message, wparam, lparam);
}

int runMessageLoop() {
  MSG msg{};
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    HWND top = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (top && (::GetWindowLongPtrW(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && ::IsDialogMessageW(top, &msg)) {
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace platform::win32
