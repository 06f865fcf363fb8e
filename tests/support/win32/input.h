#pragma once
// Mouse and keyboard input for tests under Wine, given as a user gives it. Two ways in: messages
// posted or sent to a window, which reach it through the message loop (and the dialog manager),
// and SendInput, which goes through the system's input queue like the real devices.
#include <windows.h>

#include <chrono>
#include <string>

#include "support/win32/pump.h"

namespace testsupport {

inline POINT centreOf(HWND hwnd) {
  RECT r{};
  ::GetClientRect(hwnd, &r);
  return {r.right / 2, r.bottom / 2};
}

// Puts the pointer on a point of the window's client area and waits until the system reports it
// there: the X server moves it asynchronously. False when it never got there.
inline bool pointAt(HWND hwnd, POINT client) {
  POINT target = client;
  ::ClientToScreen(hwnd, &target);
  ::SetCursorPos(target.x, target.y);
  for (int i = 0; i < 50; ++i) {
    POINT at{};
    ::GetCursorPos(&at);
    if (at.x == target.x && at.y == target.y) return true;
    ::Sleep(10);
  }
  return false;
}

// As a hand moves: it arrives, and moves on a pixel a moment later. Mouse tracking under Wine
// reacts to movements it sees, not to a position alone.
inline void moveTo(HWND hwnd, POINT client) {
  pointAt(hwnd, client);
  pump(std::chrono::milliseconds(60));
  pointAt(hwnd, {client.x + 1, client.y});
}

// The left button of the mouse, pressed or released where the pointer is. The loop does not run,
// so a press and a release can come as one gesture.
inline void mouseButton(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &in, sizeof in);
}

// A left click on the middle of a control: the pointer goes there first, so a control that
// tracks the pointer sees it over itself; then the control gets the movement, the press and the
// release, and pending messages run. False when there is no control.
inline bool click(HWND control) {
  if (!control) return false;
  const POINT at = centreOf(control);
  pointAt(control, at);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  ::SendMessageW(control, WM_MOUSEMOVE, 0, where);
  ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
  ::SendMessageW(control, WM_LBUTTONUP, 0, where);
  pump();
  return true;
}

// The lParam a keyboard driver gives: one repeat, the key's scan code, the extended bit for the
// keys of the separate cluster, the Alt bit for a system key, and for a release the previous-state
// and transition bits.
inline LPARAM keyLParam(UINT vk, bool up, bool alt = false) {
  auto bits = static_cast<unsigned long>(1u | (::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) << 16));
  if ((vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE) bits |= 1ul << 24;
  if (alt) bits |= 1ul << 29;
  if (up) bits |= 3ul << 30;
  return static_cast<LPARAM>(bits);
}

// A key posted to a window, so it goes through the loop as a key from the keyboard does. With
// Alt held it is a system key.
inline void postKey(HWND target, UINT vk, bool up, bool alt = false) {
  const UINT message = alt ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
  ::PostMessageW(target, message, vk, keyLParam(vk, up, alt));
}

// Down and up, then the loop runs. False when there is no window to take the key.
inline bool pressKey(HWND target, UINT vk) {
  if (!target) return false;
  postKey(target, vk, false);
  postKey(target, vk, true);
  pump();
  return true;
}
// To the control with the focus.
inline bool pressKey(UINT vk) { return pressKey(::GetFocus(), vk); }

// Input through the system's queue comes by way of the X server, in its own time.
inline constexpr std::chrono::milliseconds kInputSettles{150};

// A key through the system's input queue, to whichever window has the focus; the loop runs until
// it has arrived.
inline void sendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &in, sizeof in);
  pump(kInputSettles);
}

// Characters typed into the control with the focus, one WM_CHAR each through the loop. False
// when nothing has the focus.
inline bool type(const std::wstring& text) {
  HWND focus = ::GetFocus();
  if (!focus) return false;
  for (wchar_t c : text) ::PostMessageW(focus, WM_CHAR, c, 1);
  pump();
  return true;
}

}  // namespace testsupport
