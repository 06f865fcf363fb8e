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
  // Clear of the dialog commands (IDOK, IDCANCEL, ...) that Enter and Escape send to a control
  // parent, as the main window's are.
  enum Id : int {
    kProductNameId = 100,  // lblProductName
    kPlatformId,           // lblPlatform
    kLinkId,               // Label1
    kHomepageId,           // StyleButton2
    kCloseId,              // StyleButton3
  };

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
