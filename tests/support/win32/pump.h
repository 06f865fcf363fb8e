#pragma once
// The program's message loop for a test: runs whatever is queued for the given time, handing the
// keys of a dialog-like window to the dialog manager first, as the program's own loop does.
#include <windows.h>

#include <chrono>

namespace testsupport {

// A budget of zero runs what is queued now, once.
inline void pump(std::chrono::milliseconds budget = std::chrono::milliseconds(50)) {
  const auto end = std::chrono::steady_clock::now() + budget;
  MSG msg{};
  for (;;) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      HWND top = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
      if (top && (::GetWindowLongPtrW(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && ::IsDialogMessageW(top, &msg)) {
        continue;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (std::chrono::steady_clock::now() >= end) return;
    ::Sleep(5);
  }
}

}  // namespace testsupport
