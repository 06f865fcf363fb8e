#include "platform/win32/gdi.h"

#include "core/rounding.h"

namespace platform::win32 {

int fontPixelHeight(double points) { return static_cast<int>(core::roundHalfEven(points * 96.0 / 72.0)); }

UniqueFont makeFont(const FontRequest& request) {
  LOGFONTW lf{};
  lf.lfHeight = -fontPixelHeight(request.points);
  lf.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = request.italic ? TRUE : FALSE;
  lf.lfUnderline = request.underline ? TRUE : FALSE;
  lf.lfStrikeOut = request.strikeout ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = request.quality;
  lf.lfPitchAndFamily = request.pitchAndFamily;
  lstrcpynW(lf.lfFaceName, request.face ? request.face : L"", LF_FACESIZE);
  return UniqueFont(::CreateFontIndirectW(&lf));
}

BITMAPINFO dibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

UniqueBitmap createDib(HDC dc, int width, int height, std::uint32_t*& bits) {
  bits = nullptr;
  if (width <= 0 || height <= 0) return UniqueBitmap();
  const BITMAPINFO info = dibInfo(width, height);
  void* raw = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
  if (!bitmap || !raw) return UniqueBitmap();
  bits = static_cast<std::uint32_t*>(raw);
  return bitmap;
}

std::vector<std::uint32_t> readPixels(HBITMAP bitmap, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  BITMAPINFO info = dibInfo(width, height);
  WindowDc screen(nullptr);
  if (::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) == 0)
    return {};
  return pixels;
}

bool writePixels(HBITMAP bitmap, int width, int height, const std::vector<std::uint32_t>& pixels) {
  const BITMAPINFO info = dibInfo(width, height);
  WindowDc screen(nullptr);
  return ::SetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) != 0;
}

}  // namespace platform::win32
