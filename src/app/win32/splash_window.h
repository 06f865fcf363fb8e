#pragma once
// frmSplash: the about window. Created on first show, then only hidden and shown.
#include <functional>

#include "platform/win32/form_window.h"
#include "platform/win32/handles.h"

namespace app::win32 {

inline constexpr const char* kHomePage = "https://www.quillmar.example/";

class SplashWindow final : public platform::win32::FormWindow {
 public:
  static constexpr const wchar_t* kClassName = L"frmSplash";
  static constexpr int kClientWidth = 514;
  static constexpr int kClientHeight = 217;
  static constexpr int kHomepageId = 2;  // StyleButton2
  static constexpr int kCloseId = 3;     // StyleButton3
  static constexpr int kLinkId = 10;     // Label1
  static constexpr int kProductNameId = 20;
  static constexpr int kPlatformId = 21;

  // openLink hands the home page to the shell.
  explicit SplashWindow(std::function<void(const char*)> openLink);
  bool create();

 protected:
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  HWND createChild(const platform::win32::Child& child) override;
  HFONT fontFor(const platform::win32::Child& child) override;
  COLORREF textColour(HWND child) override;
  HBRUSH childBrush(HWND child, HDC dc) override;
  void paintBackground(HDC dc) override;
  std::function<void(const char*)> openLink_;
  platform::win32::UniqueFont titleFont_;
  platform::win32::UniqueFont boldFont_;
  platform::win32::UniqueFont linkFont_;
  platform::win32::UniqueIcon lockIcon_;
};

}  // namespace app::win32
