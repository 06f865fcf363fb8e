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

std::string lockIco();   // 16, 32 and 48 px
std::string appIco();    // 16 and 32 px
std::string aboutIco();  // the about window's, 48 px

// The main window's pictures.
inline constexpr int kSmallIconCount = 40;
inline constexpr int kSmallIconTiles = 35;  // counting from 1: the small window of coloured tiles
// Where the small-icon strip has no picture: image lists treat it as transparent.
inline constexpr std::uint32_t kSmallIconKey = 0xFFFF00FF;

// An arrow pointing down (into the list) or up (out of it); the main window's add and remove
// buttons show the 32 x 32 one.
Image arrow(bool down, int size = 16);
// Picture n (1..40) of the small-icon set.
Image smallIcon(int n);
// The set side by side, 640 x 16, drawn over white with the key colour where nothing is drawn.
Image smallIconStrip();

// A bottom-up .bmp file of 24 bits a pixel.
std::string encodeBmp24(const Image& image);

std::string arrowDownIco();
std::string arrowUpIco();
std::string smallIconsBmp();

}  // namespace art
