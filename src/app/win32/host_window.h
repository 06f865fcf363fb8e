#pragma once
// frmTest: the hidden top-level window that keeps the program resident. It is a real top-level
// window (not message-only) so that session-end and taskbar broadcasts reach it.
#include "platform/win32/window.h"

namespace app {

class HostWindow final : public win::Window {
 public:
  static constexpr const wchar_t* kClassName = L"frmTest";
  bool create();

 protected:
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace app
