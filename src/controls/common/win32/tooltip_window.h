#pragma once
// A tooltip window of the common controls, owned by this object: destroyed when it goes.
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace controls::common::win32 {

class TooltipWindow {
 public:
  TooltipWindow() = default;
  TooltipWindow(const TooltipWindow&) = delete;
  TooltipWindow& operator=(const TooltipWindow&) = delete;
  ~TooltipWindow() { destroy(); }

  // style: TTS_* bits besides WS_POPUP. False when the system refuses.
  bool create(HWND owner, DWORD style);
  void destroy();
  HWND hwnd() const { return hwnd_; }
  // A tip for a whole child window of the owner, shown while the pointer is over it.
  bool addWindowTool(HWND tool, const std::wstring& text);

 private:
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace controls::common::win32
