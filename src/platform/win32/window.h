#pragma once
// Base of every window of ours: one static procedure that finds the object through
// GWLP_USERDATA (stored at WM_NCCREATE) and forwards to onMessage.
#include <windows.h>

namespace win {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

  // Registers a class whose procedure forwards to Window::onMessage; safe to call again.
  static bool registerClass(const wchar_t* className, HICON icon = nullptr, HBRUSH background = nullptr,
                            UINT style = 0);

 protected:
  struct CreateArgs {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
  };
  bool create(const CreateArgs& args);
  virtual LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

// The one message loop: dialog keys (Tab, Shift+Tab, arrows) for our top-level windows.
int runMessageLoop();

}  // namespace win
