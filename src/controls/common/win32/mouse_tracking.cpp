#include "controls/common/win32/mouse_tracking.h"

#include <initializer_list>

namespace controls::common::win32 {

bool LeaveTracking::find() {
  struct Candidate {
    const wchar_t* module;
    const char* name;
  };
  for (const Candidate c :
       {Candidate{L"user32.dll", "TrackMouseEvent"}, Candidate{L"comctl32.dll", "_TrackMouseEvent"}}) {
    HMODULE module = ::GetModuleHandleW(c.module);
    HMODULE loaded = module ? nullptr : ::LoadLibraryW(c.module);
    if (!module && !loaded) continue;
    if (FARPROC proc = ::GetProcAddress(module ? module : loaded, c.name)) {
      // A module loaded here stays loaded: the function is called for as long as the control lives.
      track_ = reinterpret_cast<TrackFunction>(reinterpret_cast<void (*)()>(proc));
      fromUser32_ = c.module[0] == L'u';
      return true;
    }
    if (loaded) ::FreeLibrary(loaded);
  }
  return false;
}

void LeaveTracking::arm(HWND hwnd) const {
  if (!track_) return;
  TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
  track_(&request);
}

}  // namespace controls::common::win32
