#pragma once
// frmTest: the hidden top-level window that keeps the program resident, owns the tray icon and
// its menu and receives the tray's callbacks. It is a real top-level window (not message-only)
// so that session-end and taskbar broadcasts reach it.
#include <functional>

#include "app/application.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace app::win32 {

class HostWindow final : public platform::win32::Window, public TrayPort {
 public:
  static constexpr const wchar_t* kClassName = L"frmTest";
  static constexpr UINT kTrayCallback = 512;  // WM_MOUSEMOVE, as the icon was always registered
  static constexpr UINT kMnuShow = 1;
  static constexpr UINT kMnuAbout = 2;
  // Answered with 1 once start-up has locked every folder, so a setup program that starts the
  // program knows when the folders are held again.
  static constexpr const wchar_t* kResidentMessage = L"QuillmarFolderVardel.Resident";

  // Hands the icon to the shell; false when the shell refuses it.
  using IconAdder = std::function<bool(HWND, HICON)>;
  HostWindow();
  HostWindow(IconAdder addIcon, UINT retryMilliseconds);

  bool create();
  void attach(Application& application) { application_ = &application; }
  HMENU menu() const { return menu_.get(); }

  // TrayPort
  void addIcon() override;
  void popUpMenu() override;
  void hideHost() override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  static constexpr UINT_PTR kRetryTimer = 1;
  static constexpr int kRetryLimit = 60;  // two minutes of tries, every two seconds
  bool tryAddIcon();

  IconAdder addIcon_;
  UINT retryMilliseconds_;
  Application* application_ = nullptr;
  platform::win32::UniqueMenu menu_;
  HICON icon_ = nullptr;  // shared resource icon: not destroyed
  UINT taskbarCreated_ = 0;
  UINT residentQuery_ = 0;
  bool iconWanted_ = false;
  int retriesLeft_ = 0;
};

}  // namespace app::win32
