#include "controls/common/win32/tooltip_window.h"

#include <utility>

namespace controls::common::win32 {

bool TooltipWindow::create(HWND owner, DWORD style, DWORD exStyle) {
  destroy();
  owner_ = owner;
  hwnd_ = ::CreateWindowExW(exStyle, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  return hwnd_ != nullptr;
}

void TooltipWindow::destroy() {
  // An owned pop-up goes with its owner; only one still here is destroyed.
  if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  hasTool_ = false;
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

bool TooltipWindow::addRectTool(HWND window, const RECT& client, std::wstring text) {
  if (!hwnd_) return false;
  toolText_ = std::move(text);
  tool_ = TTTOOLINFOW{};
  // The record without the reserved field that only version 6 of the common controls knows, so
  // the older ones take it too.
  tool_.cbSize = TTTOOLINFOW_V2_SIZE;
  tool_.uFlags = TTF_SUBCLASS;
  tool_.hwnd = window;
  tool_.uId = 0;
  tool_.rect = client;
  tool_.hinst = ::GetModuleHandleW(nullptr);
  tool_.lpszText = toolText_.data();
  tool_.lParam = 0;
  hasTool_ = ::SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool_)) != FALSE;
  return hasTool_;
}

bool TooltipWindow::removeTool() {
  if (!hwnd_ || !hasTool_) return false;
  ::SendMessageW(hwnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool_));
  hasTool_ = false;
  return true;
}

bool TooltipWindow::setTitle(int icon, const std::wstring& title) {
  if (!hwnd_) return false;
  return ::SendMessageW(hwnd_, TTM_SETTITLEW, static_cast<WPARAM>(icon), reinterpret_cast<LPARAM>(title.c_str())) !=
         FALSE;
}

void TooltipWindow::setTextColour(COLORREF colour) {
  if (hwnd_) ::SendMessageW(hwnd_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void TooltipWindow::setBackColour(COLORREF colour) {
  if (hwnd_) ::SendMessageW(hwnd_, TTM_SETTIPBKCOLOR, colour, 0);
}

}  // namespace controls::common::win32
