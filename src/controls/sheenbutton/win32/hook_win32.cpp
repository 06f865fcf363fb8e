#include "controls/sheenbutton/win32/hook_win32.h"

#include <commctrl.h>

#include <utility>

namespace controls::sheenbutton::win32 {

namespace {

// Each registry is its own subclass of the window: the id is the registry's address.
UINT_PTR idOf(const HookRegistry& registry) { return reinterpret_cast<UINT_PTR>(&registry); }

struct Restore {
  HWND& slot;
  HWND old;
  ~Restore() { slot = old; }
};

}  // namespace

bool HookSystemWin32::isWindow(WindowHandle hwnd) const { return ::IsWindow(toHwnd(hwnd)) != FALSE; }

bool HookSystemWin32::ownProcess(WindowHandle hwnd) const {
  DWORD process = 0;
  ::GetWindowThreadProcessId(toHwnd(hwnd), &process);
  return process == ::GetCurrentProcessId();
}

bool HookSystemWin32::subclass(WindowHandle hwnd, HookRegistry& registry) {
  ::SetLastError(0);
  if (::SetWindowSubclass(toHwnd(hwnd), &HookSystemWin32::procedure, idOf(registry),
                          reinterpret_cast<DWORD_PTR>(&registry)))
    return true;
  lastError_ = ::GetLastError();
  return false;
}

void HookSystemWin32::unsubclass(WindowHandle hwnd, HookRegistry& registry) {
  ::RemoveWindowSubclass(toHwnd(hwnd), &HookSystemWin32::procedure, idOf(registry));
}

std::intptr_t HookSystemWin32::callPrevious(WindowHandle hwnd, unsigned message, std::uintptr_t wparam,
                                            std::intptr_t lparam) {
  HWND h = toHwnd(hwnd);
  if (dispatching_ == h) return ::DefSubclassProc(h, message, wparam, lparam);
  // From outside a message the chain is entered at its top; our procedure lets it pass.
  bypass_ = true;
  const LRESULT result =
      ::CallWindowProcW(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(h, GWLP_WNDPROC)), h, message, wparam, lparam);
  bypass_ = false;
  return result;
}

LRESULT CALLBACK HookSystemWin32::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                            DWORD_PTR registryPtr) {
  if (message == WM_NCDESTROY) {
    // The window goes before the control let go of it: nothing may call back into a dead chain.
    ::RemoveWindowSubclass(hwnd, &HookSystemWin32::procedure, id);
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
  }
  auto* registry = reinterpret_cast<HookRegistry*>(registryPtr);
  auto* system = static_cast<HookSystemWin32*>(registry->system());
  if (system->bypass_) {
    system->bypass_ = false;
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
  }
  Restore restore{system->dispatching_, std::exchange(system->dispatching_, hwnd)};
  return registry->dispatch(fromHwnd(hwnd), message, wparam, lparam,
                            [&] { return ::DefSubclassProc(hwnd, message, wparam, lparam); });
}

}  // namespace controls::sheenbutton::win32
