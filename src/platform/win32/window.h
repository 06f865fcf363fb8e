#pragma once
// Base of every window and control of ours: one static procedure that finds the object through
// GWLP_USERDATA (stored at WM_NCCREATE) and forwards to onMessage.
#include <windows.h>

namespace platform::win32 {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  // The object behind a window of ours, or null.
  static Window* fromHandle(HWND hwnd);

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
    int id = 0;  // a child's control id
  };
  bool create(const CreateArgs& args);
  virtual LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // Called once the window is gone (after WM_NCDESTROY); an object the window owns deletes itself.
  virtual void onDestroyed() {}

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

// The one message loop: dialog keys (Tab, Shift+Tab, arrows) for our top-level windows.
int runMessageLoop();

}  // namespace platform::win32
