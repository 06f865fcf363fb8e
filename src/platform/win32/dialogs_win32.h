#pragma once
#include <windows.h>

#include <functional>

#include "platform/dialogs.h"

namespace platform::win32 {

// Message boxes of the system, owned by the window the flow knows for the owner id.
class DialogsWin32 final : public platform::Dialogs {
 public:
  using OwnerLookup = std::function<HWND(platform::WindowId)>;
  explicit DialogsWin32(OwnerLookup owner) : owner_(std::move(owner)) {}
  platform::MsgResult show(platform::WindowId owner, const platform::Message& message) override;

  static UINT flagsFor(const platform::Message& message);

 private:
  OwnerLookup owner_;
};

}  // namespace platform::win32
