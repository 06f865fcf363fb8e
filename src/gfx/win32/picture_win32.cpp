#include "gfx/win32/picture_win32.h"

#include <cstdlib>
#include <vector>

#include "platform/win32/gdi.h"
#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"

namespace gfx::win32 {

std::optional<Image> iconToImage(HICON icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return std::nullopt;
  platform::win32::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bm{};
  if (!::GetObjectW(mask.get(), sizeof bm, &bm)) return std::nullopt;
  const int w = bm.bmWidth;
  const int h = colour ? bm.bmHeight : bm.bmHeight / 2;  // a monochrome icon stacks AND over XOR
  const std::vector<std::uint32_t> maskBits = platform::win32::readPixels(mask.get(), w, bm.bmHeight);
  std::vector<std::uint32_t> colourBits =
      colour ? platform::win32::readPixels(colour.get(), w, h) : std::vector<std::uint32_t>();
  if (maskBits.empty() || (colour && colourBits.empty())) return std::nullopt;
  if (!colour) colourBits.assign(maskBits.begin() + static_cast<std::ptrdiff_t>(w) * h, maskBits.end());
  bool hasAlpha = false;
  for (std::uint32_t p : colourBits) hasAlpha = hasAlpha || (p >> 24) != 0;
  Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
      const bool transparent = (maskBits[i] & 0xFFFFFFu) != 0;
      const std::uint32_t alpha = hasAlpha ? (colourBits[i] >> 24) : (transparent ? 0u : 255u);
      image.at(x, y) = (colourBits[i] & 0xFFFFFFu) | (alpha << 24);
    }
  }
  return image;
}

namespace {

std::optional<Image> ownedIconToImage(HANDLE handle) {
  if (!handle) return std::nullopt;
  platform::win32::UniqueIcon owned(static_cast<HICON>(handle));
  return iconToImage(owned.get());
}

}  // namespace

std::optional<Image> loadIconResource(int id) {
  return ownedIconToImage(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

std::optional<Image> loadIconFile(std::string_view utf8Path) {
  return ownedIconToImage(::LoadImageW(nullptr, platform::win32::widen(utf8Path).c_str(), IMAGE_ICON, 0, 0,
                                       LR_LOADFROMFILE | LR_DEFAULTSIZE));
}

std::optional<Image> loadBitmapFile(std::string_view utf8Path) {
  platform::win32::UniqueBitmap owned(static_cast<HBITMAP>(::LoadImageW(
      nullptr, platform::win32::widen(utf8Path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  BITMAP bm{};
  if (!owned || !::GetObjectW(owned.get(), sizeof bm, &bm)) return std::nullopt;
  const int h = std::abs(bm.bmHeight);
  const std::vector<std::uint32_t> pixels = platform::win32::readPixels(owned.get(), bm.bmWidth, h);
  if (pixels.empty()) return std::nullopt;
  Image image(bm.bmWidth, h);
  for (std::size_t i = 0; i < pixels.size(); ++i) image.pixels[i] = pixels[i] | 0xFF000000u;
  return image;
}

}  // namespace gfx::win32
