#pragma once
// Saves what a window shows on screen as a 24-bit BMP in $QFV_SHOTS (set by scripts/test, which
// turns every BMP there into a PNG at the end of the run). Does nothing when QFV_SHOTS is unset.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace testsupport {

// What the screen shows in r (screen coordinates), whatever windows make it up.
inline bool saveScreenshot(const RECT& r, const std::string& name) {
  const char* dir = std::getenv("QFV_SHOTS");
  if (!dir || !*dir) return false;
  ::CreateDirectoryA(dir, nullptr);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  platform::win32::WindowDc screen(nullptr);
  platform::win32::UniqueMemoryDc mem(::CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  platform::win32::UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return false;
  {
    platform::win32::SelectObjectScope select(mem.get(), bitmap.get());
    ::BitBlt(mem.get(), 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY);
  }
  ::GdiFlush();
  const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(h);
  std::ofstream out(std::string(dir) + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(stride) * h);
  return static_cast<bool>(out);
}

inline bool saveScreenshot(HWND hwnd, const std::string& name) {
  const char* dir = std::getenv("QFV_SHOTS");
  if (!dir || !*dir) return false;
  ::UpdateWindow(hwnd);
  ::Sleep(200);  // let the desktop finish drawing the window
  RECT r{};
  if (!::GetWindowRect(hwnd, &r)) return false;
  return saveScreenshot(r, name);
}

}  // namespace testsupport
