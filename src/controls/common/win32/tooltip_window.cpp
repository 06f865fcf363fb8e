#include "controls/common/win32/tooltip_window.h"

namespace controls::common::win32 {

bool TooltipWindow::create(HWND owner, DWORD style) {
  destroy();
  owner_ = owner;
  hwnd_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  return hwnd_ != nullptr;
}

void TooltipWindow::destroy() {
  // An owned pop-up goes with its owner; only one still here is destroyed.
  if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

bool TooltipWindow::addWindowTool(HWND tool, const std::wstring& text) {
  if (!hwnd_ || !tool) return false;
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = owner_;
  ti.uId = reinterpret_cast<UINT_PTR>(tool);
  ti.lpszText = const_cast<wchar_t*>(text.c_str());
  return ::SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)) != FALSE;
}

}  // namespace controls::common::win32
