#pragma once
// The hook's window side: an ordinary subclass procedure (SetWindowSubclass) per hooked window
// and registry, which hands every message to the registry's dispatch. Taking it out removes only
// that procedure, so other subclasses of the window keep working.
#include <windows.h>

#include "controls/sheenbutton/hook.h"

namespace controls::sheenbutton::win32 {

class HookSystemWin32 final : public HookSystem {
 public:
  bool isWindow(WindowHandle hwnd) const override;
  bool ownProcess(WindowHandle hwnd) const override;
  bool subclass(WindowHandle hwnd, HookRegistry& registry) override;
  void unsubclass(WindowHandle hwnd, HookRegistry& registry) override;
  std::intptr_t callPrevious(WindowHandle hwnd, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;
  unsigned long lastError() const override { return lastError_; }

  static HWND toHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
  static WindowHandle fromHwnd(HWND h) { return reinterpret_cast<WindowHandle>(h); }

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                    DWORD_PTR registry);
  unsigned long lastError_ = 0;
  HWND dispatching_ = nullptr;  // the window whose message is being handed over now
  bool bypass_ = false;         // a call of the previous procedure from outside a dispatch
};

}  // namespace controls::sheenbutton::win32
