#pragma once
// Mouse-leave tracking for the controls: the tracking function is looked up once (the system's,
// else the common controls' one) and armed for a window on each entry.
#include <windows.h>

namespace controls::common::win32 {

class LeaveTracking {
 public:
  // False when the system has neither function.
  bool find();
  bool available() const { return track_ != nullptr; }
  // Asks for one WM_MOUSELEAVE when the pointer leaves the window.
  void arm(HWND hwnd) const;

 private:
  using TrackFunction = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  TrackFunction track_ = nullptr;
};

}  // namespace controls::common::win32
