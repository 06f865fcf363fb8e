#pragma once
#include <windows.h>

#include <functional>
#include <map>

#include "platform/window_flow.h"

namespace platform::win32 {

// Creates each window through its factory the first time it is shown, then only shows and
// hides it.
class WindowFlowWin32 final : public platform::WindowFlow {
 public:
  using Factory = std::function<HWND()>;
  void registerWindow(platform::WindowId id, Factory factory);
  HWND handle(platform::WindowId id) const;

  void show(platform::WindowId id) override;
  void hide(platform::WindowId id) override;
  bool isVisible(platform::WindowId id) override;
  bool isCreated(platform::WindowId id) override;

 private:
  struct Entry {
    Factory factory;
    HWND hwnd = nullptr;
  };
  std::map<platform::WindowId, Entry> windows_;
};

}  // namespace platform::win32
