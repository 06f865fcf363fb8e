#pragma once
// One of our forms holding StyleButtons made from stored settings, as the program's windows hold
// theirs: the form is the buttons' container, and keeps their tip texts.
#include <windows.h>

#include <map>
#include <vector>

#include "controls/win32/create_button.h"
#include "platform/win32/form_window.h"

namespace testforms {

class ButtonForm final : public platform::win32::FormWindow {
 public:
  // Shown at (100, 100), each button in its given place.
  bool make(const std::vector<controls::win32::ButtonSpec>& buttons) {
    std::vector<platform::win32::Child> children;
    for (const auto& b : buttons) {
      buttons_[b.id] = b;
      children.push_back({b.id, platform::win32::ChildKind::Button, b.caption.c_str(), b.x, b.y, b.width, b.height});
    }
    const platform::win32::FormArgs form{
        L"StyleButtonTestForm", L"StyleButton test", WS_OVERLAPPED | WS_CAPTION, WS_EX_CONTROLPARENT, 400, 200};
    if (!createForm(form, children)) return false;
    ::SetWindowPos(hwnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    return true;
  }
  using FormWindow::hwnd;

 private:
  HWND createChild(const platform::win32::Child& c) override {
    return controls::win32::createButton(hwnd(), buttons_.at(c.id));
  }
  std::map<int, controls::win32::ButtonSpec> buttons_;
};

}  // namespace testforms
