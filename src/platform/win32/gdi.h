#pragma once
// The one way the program makes its fonts and its 32-bit pixel bitmaps.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/handles.h"

namespace platform::win32 {

struct FontRequest {
  const wchar_t* face = L"";
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  BYTE quality = DEFAULT_QUALITY;
};

// The layouts are given in pixels at 96 dots per inch and are not scaled, so their fonts are
// sized at 96 dots per inch too: the height in pixels is the points' size there, rounded half
// to even.
int fontPixelHeight(double points);
UniqueFont makeFont(const FontRequest& request);

// A 32-bit top-down bitmap description: row 0 first, pixels 0x00RRGGBB.
BITMAPINFO dibInfo(int width, int height);
// A DIB section of that form; bits points at its pixels. Empty when GDI refuses.
UniqueBitmap createDib(HDC dc, int width, int height, std::uint32_t*& bits);
// A bitmap's pixels in that form; empty when GDI refuses.
std::vector<std::uint32_t> readPixels(HBITMAP bitmap, int width, int height);
bool writePixels(HBITMAP bitmap, int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace platform::win32
