#pragma once
// Our own artwork, drawn by code: the application icon and the padlock placed beside the
// folder list as lock.ico. Icons are written as .ico files of 32-bit images.
#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // row-major, top row first, 0xAARRGGBB
};

Image padlock(int size);
Image appIcon(int size);
// An .ico file holding the given images (each square, at most 256 px).
std::string encodeIco(const std::vector<Image>& images);

std::string lockIco();  // 16, 32 and 48 px
std::string appIco();   // 16 and 32 px

}  // namespace art
