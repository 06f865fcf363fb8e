#include "app/win32/host_window.h"

#include "app/win32/tray.h"
#include "resources/resource_ids.h"

namespace app::win32 {

namespace {
bool addToTray(HWND hwnd, HICON icon) {
  return mdlTray::AddTrayIcon(hwnd, icon, "Quillmar Folder Vardel", HostWindow::kTrayCallback);
}
}  // namespace

HostWindow::HostWindow() : HostWindow(&addToTray, 2000) {}

HostWindow::HostWindow(IconAdder addIcon, UINT retryMilliseconds)
    : addIcon_(std::move(addIcon)), retryMilliseconds_(retryMilliseconds) {}

bool HostWindow::create() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  icon_ = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 16, 16, LR_SHARED));
  if (!registerClass(kClassName, icon_)) return false;
  menu_.reset(::CreatePopupMenu());
  ::AppendMenuW(menu_.get(), MF_STRING, kMnuShow, L"&Open Folder Vardel");
  ::AppendMenuW(menu_.get(), MF_STRING, kMnuAbout, L"&About");
  taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
  residentQuery_ = ::RegisterWindowMessageW(kResidentMessage);
  CreateArgs args;
  args.className = kClassName;
  args.title = L"frmTest";
  // Created minimised and never shown; a tool window stays out of the taskbar and task lists.
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZE;
  args.exStyle = WS_EX_TOOLWINDOW;
  return Window::create(args);
}

bool HostWindow::tryAddIcon() { return addIcon_ && addIcon_(hwnd(), icon_); }

void HostWindow::addIcon() {
  iconWanted_ = true;
  if (tryAddIcon()) return;
  // Early at log-on the shell refuses icons until the taskbar is up: keep trying for a while.
  retriesLeft_ = kRetryLimit;
  ::SetTimer(hwnd(), kRetryTimer, retryMilliseconds_, nullptr);
}

void HostWindow::popUpMenu() {
  POINT at{};
  ::GetCursorPos(&at);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  ::SetForegroundWindow(hwnd());
  ::TrackPopupMenu(menu_.get(), 0, at.x, at.y, 0, hwnd(), nullptr);
  ::PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void HostWindow::hideHost() {
  if (!::IsIconic(hwnd())) ::ShowWindow(hwnd(), SW_SHOWMINNOACTIVE);
  ::ShowWindow(hwnd(), SW_HIDE);
}

LRESULT HostWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // A restarted shell has forgotten every icon.
    if (iconWanted_) addIcon();
    return 0;
  }
  if (message == residentQuery_ && residentQuery_ != 0) return application_ && application_->resident() ? 1 : 0;
  switch (message) {
    case WM_MOUSEMOVE:  // the tray callback: the mouse message sits in lParam
      if (application_) application_->trayCallback(static_cast<unsigned>(LOWORD(lparam)));
      return 0;
    case WM_COMMAND:
      if (!application_ || HIWORD(wparam) != 0) break;
      if (LOWORD(wparam) == kMnuShow) application_->openCommand();
      if (LOWORD(wparam) == kMnuAbout) application_->aboutCommand();
      return 0;
    case WM_TIMER:
      if (wparam == kRetryTimer) {
        if (tryAddIcon() || --retriesLeft_ <= 0) ::KillTimer(hwnd(), kRetryTimer);
        return 0;
      }
      break;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
      // A log-off, or a setup program closing us for an update (ENDSESSION_CLOSEAPP): the same end.
      if (wparam && application_) {
        // Unlock before returning: once we return the system may end the process.
        application_->endSession();
        ::PostQuitMessage(0);
      }
      return 0;
    case WM_CLOSE: return 0;  // only the session's end closes the program
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: break;
  }
  return Window::onMessage(message, wparam, lparam);
}

}  // namespace app::win32
