// A small driver that uses the program as a user would, one command per run:
//   launch <exe>                       start a process, print its id
//   wait-window <class> [title] [ms]   wait for a visible top-level window (title "*" matches any)
//   wait-gone <class> [ms]             wait until no visible window of the class is left
//   count <class>                      print how many top-level windows of the class exist
//   msgbox <title> <ok|yes|no> [text]  answer a message box, checking its text
//   set-text <class> <id> <text>       put text into a control of a window
//   get-text <class> <id>              print a control's text
//   click <class> <caption>            press a button by its caption (with the space bar)
//   double-click <class> <id> <row>    double-click a row of a list box
//   key <class> <vk>                   press a key in the window's focused control
//   tray <mouse message>               send the tray callback to the program, as the shell does
//   menu <letter>                      choose an item of the open pop-up menu by its access key
//   locked <path>                      exit 0 when the folder is held (sharing violation)
//   shot <class> <name>                save a screenshot of the window
//   alive <pid>                        exit 0 while the process runs
//   send <class> <message> <wparam>    send a message to the window and wait for its answer
//   click-id <class> <id>              press a button by its id (with the space bar)
//   open-folder <class> <id> <name>    double-click the row of a list box that reads name
//   key-to <class> <id> <vk>           press a key in a control
//   mouse-click-id <class> <id>        click the middle of a control with the mouse
//   windows                            list the visible top-level windows (class, title, process)
//   file-held <path>                   exit 0 when another program cannot read the file
//   hold <folder> <ms>                 keep the folder open without sharing for ms, then let go
//   owner <class>                      print the process id of each top-level window of the class
//   version <file> <name>              print a string of the file's version resource
//   launch-in <folder> <exe>           as launch, with the folder as the working directory
//   above <class> <class>              exit 0 when a window of the first class lies above the second
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/text_win32.h"
#include "support/win32/input.h"
#include "support/win32/screenshot.h"
#include "support/win32/ui_driver.h"

namespace {

using testsupport::windowText;

std::vector<HWND> topWindows(const std::wstring& cls, bool visibleOnly) {
  struct Search {
    const std::wstring* cls;
    bool visibleOnly;
    std::vector<HWND> found;
  } s{&cls, visibleOnly, {}};
  ::EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t name[256] = {};
        ::GetClassNameW(hwnd, name, 256);
        if (lstrcmpiW(name, s->cls->c_str()) == 0 && (!s->visibleOnly || ::IsWindowVisible(hwnd))) {
          s->found.push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND waitFor(const std::wstring& cls, const std::wstring& title, int ms) {
  return testsupport::waitForWindow(cls.c_str(), title, 0, std::chrono::milliseconds(ms));
}

HWND findChildByText(HWND parent, const std::wstring& text) {
  struct Search {
    const std::wstring* text;
    HWND found;
  } s{&text, nullptr};
  ::EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (::IsWindowVisible(hwnd) && windowText(hwnd) == *s->text) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void clickAt(HWND target, int x, int y, bool twice) {
  // The hand goes there first: controls that track the pointer see it over them.
  POINT screen{x, y};
  ::ClientToScreen(target, &screen);
  // A window shown a moment ago may still lie under another: a user would see the control and
  // point at it, so bring its window up until the control is what the pointer is over.
  HWND root = ::GetAncestor(target, GA_ROOT);
  for (int i = 0; i < 100; ++i) {
    ::SetCursorPos(screen.x, screen.y);
    POINT now{};
    ::GetCursorPos(&now);
    if (now.x == screen.x && now.y == screen.y && ::WindowFromPoint(screen) == target) break;
    if (i % 10 == 5) {
      ::SetForegroundWindow(root);
      ::BringWindowToTop(root);
    }
    ::Sleep(20);
  }
  if (::WindowFromPoint(screen) != target) {
    wchar_t cls[64] = {};
    ::GetClassNameW(::WindowFromPoint(screen), cls, 64);
    std::fprintf(stderr, "driver: note: the pointer is over a %ls, not the control\n", cls);
  }
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageW(target, WM_MOUSEMOVE, 0, at);  // the pointer arrives first, as with a real hand
  ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(target, WM_LBUTTONUP, 0, at);
  if (twice) {
    ::PostMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageW(target, WM_LBUTTONUP, 0, at);
  }
}

// Presses a button with the space bar, as a keyboard user does. The mouse path of the buttons has
// its own tests; under Wine a synthetic pointer races the buttons' leave tracking.
void pressWithSpace(HWND button) {
  testsupport::postKey(button, VK_SPACE, false);
  testsupport::postKey(button, VK_SPACE, true);
}

int fail(const char* what) {
  std::fprintf(stderr, "driver: %s\n", what);
  return 1;
}

int run(const std::vector<std::wstring>& a) {
  const auto arg = [&](std::size_t i) { return i < a.size() ? a[i] : std::wstring(); };
  const auto num = [&](std::size_t i, int fallback) { return i < a.size() ? _wtoi(a[i].c_str()) : fallback; };
  const std::wstring cmd = arg(0);
  const int timeout = 15000;

  if (cmd == L"launch" || cmd == L"launch-in") {
    const bool in = cmd == L"launch-in";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring line = L"\"" + arg(in ? 2 : 1) + L"\"";
    const std::wstring folder = in ? arg(1) : std::wstring();
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, in ? folder.c_str() : nullptr, &si,
                          &pi)) {
      return fail("cannot start the program");
    }
    std::printf("%lu\n", pi.dwProcessId);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return 0;
  }
  if (cmd == L"wait-window") {
    return waitFor(arg(1), a.size() > 2 ? arg(2) : L"*", num(3, timeout)) ? 0 : fail("window did not appear");
  }
  if (cmd == L"wait-gone") {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(num(2, timeout));
    while (!topWindows(arg(1), true).empty()) {
      if (std::chrono::steady_clock::now() > deadline) return fail("window is still there");
      ::Sleep(50);
    }
    return 0;
  }
  if (cmd == L"count") {
    std::printf("%zu\n", topWindows(arg(1), false).size());
    return 0;
  }
  if (cmd == L"msgbox") {
    HWND box = waitFor(L"#32770", arg(1), timeout);
    if (!box) return fail("no message box");
    const std::wstring text = testsupport::messageBoxText(box);
    std::printf("%s\n", platform::win32::narrow(text).c_str());
    const int id = arg(2) == L"yes" ? IDYES : arg(2) == L"no" ? IDNO : IDOK;
    if (!testsupport::pressButton(box, id)) return fail("the message box lacks that button");
    if (a.size() > 3 && text != arg(3)) return fail("unexpected message text");
    return 0;
  }
  if (cmd == L"set-text" || cmd == L"get-text") {
    HWND w = waitFor(arg(1), L"*", timeout);
    HWND c = w ? ::GetDlgItem(w, num(2, 0)) : nullptr;
    if (!c) return fail("no such control");
    if (cmd == L"get-text") {
      std::printf("%s\n", platform::win32::narrow(windowText(c)).c_str());
      return 0;
    }
    ::SendMessageW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arg(3).c_str()));
    return 0;
  }
  if (cmd == L"click") {
    HWND w = waitFor(arg(1), L"*", timeout);
    HWND button = w ? findChildByText(w, arg(2)) : nullptr;
    if (!button) return fail("no such button");
    pressWithSpace(button);
    return 0;
  }
  if (cmd == L"double-click") {
    HWND w = waitFor(arg(1), L"*", timeout);
    HWND list = w ? ::GetDlgItem(w, num(2, 0)) : nullptr;
    if (!list) return fail("no such list");
    RECT item{};
    if (::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(num(3, 0)), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
      return fail("no such row");
    }
    clickAt(list, item.left + 20, (item.top + item.bottom) / 2, true);
    return 0;
  }
  if (cmd == L"key") {
    HWND w = waitFor(arg(1), L"*", timeout);
    if (!w) return fail("no such window");
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(w, nullptr), &info);
    HWND target = info.hwndFocus ? info.hwndFocus : w;
    const auto vk = static_cast<UINT>(num(2, VK_RETURN));
    testsupport::postKey(target, vk, false);
    if (vk == VK_RETURN || vk == VK_ESCAPE) ::PostMessageW(target, WM_CHAR, vk == VK_RETURN ? L'\r' : 27, 1);
    testsupport::postKey(target, vk, true);
    return 0;
  }
  if (cmd == L"tray") {
    HWND host = ::FindWindowW(L"frmTest", nullptr);
    if (!host) return fail("the program is not running");
    ::PostMessageW(host, 512, 0, num(1, 0));
    return 0;
  }
  if (cmd == L"menu") {
    HWND menu = waitFor(L"#32768", L"*", timeout);
    if (!menu) return fail("no pop-up menu");
    const auto letter = static_cast<UINT>(arg(1).empty() ? VK_ESCAPE : towupper(arg(1)[0]));
    testsupport::postKey(menu, letter, false);
    ::PostMessageW(menu, WM_CHAR, towlower(static_cast<wint_t>(letter)), 1);
    return 0;
  }
  if (cmd == L"locked") {
    HANDLE h =
        ::CreateFileW(arg(1).c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const DWORD error = h == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    std::printf("%lu\n", error);
    return error == ERROR_SHARING_VIOLATION ? 0 : 1;
  }
  if (cmd == L"hold") {  // another program keeps a folder open without sharing for a while
    HANDLE h = ::CreateFileW(arg(1).c_str(), FILE_LIST_DIRECTORY, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return fail("cannot hold the folder");
    ::Sleep(num(2, 3000));
    ::CloseHandle(h);
    return 0;
  }
  if (cmd == L"file-held") {  // another program cannot read the file
    HANDLE h = ::CreateFileW(arg(1).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    const DWORD error = h == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    std::printf("%lu\n", error);
    return error == ERROR_SHARING_VIOLATION ? 0 : 1;
  }
  if (cmd == L"shot") {
    HWND w = waitFor(arg(1), L"*", timeout);
    if (!w) return fail("no such window");
    return testsupport::saveScreenshot(w, platform::win32::narrow(arg(2))) ? 0 : fail("screenshot not saved");
  }
  if (cmd == L"alive") {
    HANDLE p = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(num(1, 0)));
    if (!p) return 1;
    const bool running = ::WaitForSingleObject(p, 0) == WAIT_TIMEOUT;
    ::CloseHandle(p);
    return running ? 0 : 1;
  }
  if (cmd == L"click-id" || cmd == L"open-folder" || cmd == L"key-to" || cmd == L"mouse-click-id") {
    HWND w = waitFor(arg(1), L"*", timeout);
    HWND c = w ? ::GetDlgItem(w, num(2, 0)) : nullptr;
    if (!c) return fail("no such control");
    if (cmd == L"key-to") {
      testsupport::postKey(c, static_cast<UINT>(num(3, 0)), false);
      testsupport::postKey(c, static_cast<UINT>(num(3, 0)), true);
      return 0;
    }
    if (cmd == L"click-id") {
      pressWithSpace(c);
      return 0;
    }
    if (cmd == L"mouse-click-id") {
      RECT r{};
      ::GetClientRect(c, &r);
      clickAt(c, r.right / 2, r.bottom / 2, false);
      return 0;
    }
    const LRESULT index =
        ::SendMessageW(c, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(arg(3).c_str()));
    if (index == LB_ERR) return fail("no such row");
    ::SendMessageW(c, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item{};
    ::SendMessageW(c, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    clickAt(c, item.left + 20, (item.top + item.bottom) / 2, true);
    return 0;
  }
  if (cmd == L"send") {
    HWND w = ::FindWindowW(arg(1).c_str(), nullptr);
    if (!w) return fail("no such window");
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(w, static_cast<UINT>(num(2, 0)), static_cast<WPARAM>(num(3, 0)), 0, SMTO_NORMAL,
                               static_cast<UINT>(timeout), &result)) {
      return fail("the window did not answer");
    }
    return 0;
  }
  if (cmd == L"owner") {
    for (HWND w : topWindows(arg(1), false)) {
      DWORD pid = 0;
      ::GetWindowThreadProcessId(w, &pid);
      std::printf("%lu\n", pid);
    }
    return 0;
  }
  if (cmd == L"version") {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(arg(1).c_str(), &ignored);
    std::vector<unsigned char> data(size);
    if (size == 0 || !::GetFileVersionInfoW(arg(1).c_str(), 0, size, data.data())) return fail("no version resource");
    struct Translation {
      WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                          &length) ||
        length < sizeof(Translation)) {
      return fail("no translation");
    }
    wchar_t key[128] = {};
    swprintf(key, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->codePage,
             arg(2).c_str());
    wchar_t* value = nullptr;
    if (!::VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&value), &length) || !value) {
      return fail("no such version string");
    }
    std::printf("%s\n", platform::win32::narrow(value).c_str());
    return 0;
  }
  if (cmd == L"above") {
    const auto upper = topWindows(arg(1), true);
    const auto lower = topWindows(arg(2), true);
    if (upper.empty() || lower.empty()) return fail("no such window");
    // Walks down the z-order from the upper one: the lower one must come after it.
    for (HWND w = ::GetWindow(upper.front(), GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
      if (w == lower.front()) return 0;
    }
    return 1;
  }
  if (cmd == L"windows") {
    ::EnumWindows(
        [](HWND hwnd, LPARAM) -> BOOL {
          wchar_t name[256] = {};
          ::GetClassNameW(hwnd, name, 256);
          DWORD pid = 0;
          ::GetWindowThreadProcessId(hwnd, &pid);
          if (::IsWindowVisible(hwnd)) {
            std::printf("%s | %s | %lu\n", platform::win32::narrow(name).c_str(),
                        platform::win32::narrow(windowText(hwnd)).c_str(), pid);
          }
          return TRUE;
        },
        0);
    return 0;
  }
  return fail("unknown command");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  return run(args);
}
