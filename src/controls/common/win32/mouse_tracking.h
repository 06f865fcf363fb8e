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
  // The function found is the system's own, not the common controls' one.
  bool fromUser32() const { return fromUser32_; }
  // Asks for one WM_MOUSELEAVE when the pointer leaves the window.
  void arm(HWND hwnd) const;

 private:
  using TrackFunction = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  TrackFunction track_ = nullptr;
  bool fromUser32_ = false;
};

}  // namespace controls::common::win32
