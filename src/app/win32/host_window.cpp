#include "app/win32/host_window.h"

#include "resources/resource_ids.h"

namespace app {

bool HostWindow::create() {
  HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
  if (!registerClass(kClassName, icon)) return false;
  CreateArgs args;
  args.className = kClassName;
  args.title = L"frmTest";
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  args.exStyle = WS_EX_TOOLWINDOW;  // never in the taskbar
  return Window::create(args);
}

LRESULT HostWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      return 0;  // only the session's end closes the program
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return Window::onMessage(message, wparam, lparam);
  }
}

}  // namespace app
