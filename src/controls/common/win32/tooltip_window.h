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
  bool create(HWND owner, DWORD style, DWORD exStyle = WS_EX_TOPMOST);
  void destroy();
  HWND hwnd() const { return hwnd_; }
  // A tip for a whole child window of the owner, shown while the pointer is over it.
  bool addWindowTool(HWND tool, const std::wstring& text);
  // A tip for a rectangle of a window's client area (id 0); the window's mouse messages are
  // watched by the tooltip itself. The record is kept for removeTool.
  bool addRectTool(HWND window, const RECT& client, std::wstring text);
  bool removeTool();
  // icon: TTI_NONE ... TTI_ERROR.
  bool setTitle(int icon, const std::wstring& title);
  void setTextColour(COLORREF colour);
  void setBackColour(COLORREF colour);

 private:
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  // The rectangle tool, and its text, which must live as long as the tool.
  TTTOOLINFOW tool_{};
  std::wstring toolText_;
  bool hasTool_ = false;
};

}  // namespace controls::common::win32
