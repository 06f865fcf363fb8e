#include "platform/win32/button.h"

namespace win {

HWND createButton(HWND parent, const ButtonSpec& spec) {
  return ::CreateWindowExW(0, L"BUTTON", spec.caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           spec.x, spec.y, spec.width, spec.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), ::GetModuleHandleW(nullptr),
                           nullptr);
}

}  // namespace win
