#include "platform/win32/window_flow_win32.h"

namespace platform::win32 {

void WindowFlowWin32::registerWindow(platform::WindowId id, Factory factory) {
  windows_[id].factory = std::move(factory);
}

HWND WindowFlowWin32::handle(platform::WindowId id) const {
  const auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.hwnd;
}

void WindowFlowWin32::show(platform::WindowId id) {
  const auto it = windows_.find(id);
  if (it == windows_.end()) return;
  Entry& entry = it->second;
  if (!entry.hwnd && entry.factory) entry.hwnd = entry.factory();
  if (!entry.hwnd) return;
  ::ShowWindow(entry.hwnd, SW_SHOW);
  ::SetForegroundWindow(entry.hwnd);
}

void WindowFlowWin32::hide(platform::WindowId id) {
  if (HWND hwnd = handle(id)) ::ShowWindow(hwnd, SW_HIDE);
}

bool WindowFlowWin32::isVisible(platform::WindowId id) {
  HWND hwnd = handle(id);
  return hwnd && ::IsWindowVisible(hwnd);
}

bool WindowFlowWin32::isCreated(platform::WindowId id) { return handle(id) != nullptr; }

}  // namespace platform::win32
