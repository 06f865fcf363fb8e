#pragma once
// Finds and reads windows for tests under Wine, and answers message boxes: find a window, read its
// text and where its controls sit, press a message box's buttons. Input is in input.h.
#include <windows.h>

#include <chrono>
#include <string>

namespace testsupport {

// Waits for a visible top-level window of the class (e.g. L"#32770" for message boxes) whose
// title matches ("*" matches any), in the given process (0: any process).
inline HWND waitForWindow(const wchar_t* className, const std::wstring& title, DWORD processId,
                          std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  struct Search {
    const wchar_t* className;
    const std::wstring* title;
    DWORD pid;
    HWND found;
  };
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    Search s{className, &title, processId, nullptr};
    ::EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
          auto* s = reinterpret_cast<Search*>(lp);
          wchar_t cls[256] = {};
          wchar_t text[512] = {};
          ::GetClassNameW(hwnd, cls, 256);
          ::GetWindowTextW(hwnd, text, 512);
          DWORD pid = 0;
          ::GetWindowThreadProcessId(hwnd, &pid);
          if (::IsWindowVisible(hwnd) && lstrcmpiW(cls, s->className) == 0 &&
              (*s->title == L"*" || *s->title == text) && (s->pid == 0 || s->pid == pid)) {
            s->found = hwnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
    ::Sleep(20);
  } while (std::chrono::steady_clock::now() < deadline);
  return nullptr;
}

inline std::wstring windowText(HWND hwnd) {
  const int n = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  ::GetWindowTextW(hwnd, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

// The message text of a system message box (its static control has id 0xFFFF).
inline std::wstring messageBoxText(HWND box) {
  HWND label = ::GetDlgItem(box, 0xFFFF);
  return label ? windowText(label) : std::wstring();
}

// Where a child window sits in its parent's client area.
inline RECT rectIn(HWND parent, HWND child) {
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline bool hasButton(HWND box, int id) { return ::GetDlgItem(box, id) != nullptr; }

// Presses a dialog button the way a click does.
inline bool pressButton(HWND box, int id) {
  HWND button = ::GetDlgItem(box, id);
  if (!button) return false;
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return true;
}

}  // namespace testsupport
