#pragma once
// frmSplash: the about window. Created on first show, then only hidden and shown.
#include <functional>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace app {

inline constexpr const char* kHomePage = "https://www.quillmar.example/";

class AboutWindow final : public win::Window {
 public:
  static constexpr const wchar_t* kClassName = L"frmSplash";
  static constexpr int kClientWidth = 514;
  static constexpr int kClientHeight = 217;
  static constexpr int kHomepageId = 2;  // StyleButton2
  static constexpr int kCloseId = 3;     // StyleButton3
  static constexpr int kLinkId = 10;     // Label1

  // openLink hands the home page to the shell.
  explicit AboutWindow(std::function<void(const char*)> openLink) : openLink_(std::move(openLink)) {}
  bool create();

 protected:
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void paintBackground(HDC dc);
  HWND link_ = nullptr;
  std::function<void(const char*)> openLink_;
  win::UniqueFont titleFont_;
  win::UniqueFont boldFont_;
  win::UniqueFont linkFont_;
  win::UniqueIcon lockIcon_;
};

}  // namespace app
