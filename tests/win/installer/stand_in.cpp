// Stands in for a running program that will not end: it holds the program's instance name and a
// hidden host window of its class, agrees to the session's end and stays. It goes when sent
// WM_APP, or by itself after two minutes so a failed test leaves nothing behind.
#include <windows.h>

#include "platform/win32/handles.h"

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: return 0;  // and stays
    case WM_APP:
    case WM_TIMER: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  platform::win32::UniqueHandle name(::CreateMutexW(nullptr, FALSE, L"Local\\QuillmarFolderVardel"));
  WNDCLASSW wc{};
  wc.lpfnWndProc = &procedure;
  wc.hInstance = instance;
  wc.lpszClassName = L"frmTest";
  if (!name || !::RegisterClassW(&wc)) return 1;
  HWND hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"frmTest", L"frmTest", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr);
  if (!hwnd) return 1;
  ::SetTimer(hwnd, 1, 120000, nullptr);
  MSG msg{};
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  ::DestroyWindow(hwnd);
  return 0;
}
