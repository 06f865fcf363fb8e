#include "platform/win32/dialogs_win32.h"

#include "platform/win32/text_win32.h"

namespace platform::win32 {

UINT DialogsWin32::flagsFor(const platform::Message& message) {
  UINT flags = message.buttons == platform::MsgButtons::YesNo ? MB_YESNO : MB_OK;
  if (message.icon == platform::MsgIcon::Information) flags |= MB_ICONINFORMATION;
  if (message.icon == platform::MsgIcon::Error) flags |= MB_ICONERROR;
  if (message.icon == platform::MsgIcon::Exclamation) flags |= MB_ICONEXCLAMATION;
  return flags;
}

platform::MsgResult DialogsWin32::show(platform::WindowId owner, const platform::Message& message) {
  HWND hwnd = owner_ ? owner_(owner) : nullptr;
  // A hidden owner would hide the box's taskbar presence; let it stand alone then.
  if (hwnd && !::IsWindowVisible(hwnd)) hwnd = nullptr;
  const std::string& title = message.title.empty() ? std::string(platform::kAppTitle) : message.title;
  const int result = ::MessageBoxW(hwnd, widen(message.text).c_str(), widen(title).c_str(),
                                   flagsFor(message) | (hwnd ? 0u : MB_SETFOREGROUND));
  switch (result) {
    case IDYES: return platform::MsgResult::Yes;
    case IDNO: return platform::MsgResult::No;
    default: return platform::MsgResult::Ok;
  }
}

}  // namespace platform::win32
