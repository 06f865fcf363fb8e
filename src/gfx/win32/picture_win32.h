#pragma once
// Pictures from Windows: icons and bitmaps decoded into straight-alpha images.
#include <windows.h>

#include <optional>
#include <string_view>

#include "gfx/image.h"

namespace gfx::win32 {

// An icon's colour and mask bitmaps as straight-alpha pixels; nothing on failure.
std::optional<Image> iconToImage(HICON icon);

// Nothing when the picture cannot be read. A bitmap's pixels are opaque.
std::optional<Image> loadIconResource(int id);
std::optional<Image> loadIconFile(std::string_view utf8Path);
std::optional<Image> loadBitmapFile(std::string_view utf8Path);

}  // namespace gfx::win32
