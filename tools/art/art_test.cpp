#include "art.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

std::uint16_t u16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

// The committed icons are what the generator draws: regenerate them with make_art after a change.
TEST(Art, CommittedIconsMatchTheGenerator) {
  EXPECT_TRUE(testsupport::readBytes(QFV_RESOURCES_DIR "/app.ico") == art::appIco())
      << "src/resources/app.ico is stale: run make_art src/resources";
  EXPECT_TRUE(testsupport::readBytes(QFV_RESOURCES_DIR "/lock.ico") == art::lockIco())
      << "src/resources/lock.ico is stale: run make_art src/resources";
  EXPECT_TRUE(testsupport::readBytes(QFV_RESOURCES_DIR "/about.ico") == art::aboutIco())
      << "src/resources/about.ico is stale: run make_art src/resources";
}

TEST(Art, CommittedMainWindowPicturesMatchTheGenerator) {
  const struct {
    const char* file;
    std::string bytes;
  } cases[] = {{"form1_arrow_down.ico", art::arrowDownIco()},
               {"form1_arrow_up.ico", art::arrowUpIco()},
               {"form1_small_icons.bmp", art::smallIconsBmp()}};
  for (const auto& c : cases) {
    EXPECT_FALSE(c.bytes.empty()) << c.file;
    EXPECT_TRUE(testsupport::readBytes(std::string(QFV_RESOURCES_DIR "/") + c.file) == c.bytes)
        << "src/resources/" << c.file << " is stale: run make_art src/resources";
  }
}

std::uint32_t u32(const std::string& b, std::size_t at) { return u16(b, at) | (std::uint32_t{u16(b, at + 2)} << 16); }

TEST(Art, BitmapHeadersGiveSizeDepthAndPalette) {
  const struct {
    const char* name;
    std::string bmp;
    std::uint32_t width, height, bits, stride;
  } cases[] = {{"small icons", art::smallIconsBmp(), 640, 16, 24, 1920}};
  for (const auto& c : cases) {
    ASSERT_GE(c.bmp.size(), 54u) << c.name;
    EXPECT_EQ(u16(c.bmp, 0), 0x4D42) << c.name;
    EXPECT_EQ(u32(c.bmp, 18), c.width) << c.name;
    EXPECT_EQ(u32(c.bmp, 22), c.height) << c.name;
    EXPECT_EQ(u16(c.bmp, 28), c.bits) << c.name;
    const std::uint32_t palette = u32(c.bmp, 46);
    EXPECT_EQ(u32(c.bmp, 10), 54 + 4 * palette) << c.name << ": pixels start after the palette";
    EXPECT_EQ(c.bmp.size(), u32(c.bmp, 10) + c.stride * c.height) << c.name;
    EXPECT_EQ(u32(c.bmp, 2), c.bmp.size()) << c.name;
  }
}

TEST(Art, ArrowsPointDownAndUp) {
  const art::Image down = art::arrow(true);
  const art::Image up = art::arrow(false);
  ASSERT_EQ(down.argb.size(), 256u);
  ASSERT_EQ(up.argb.size(), 256u);
  const auto alpha = [](const art::Image& img, int x, int y) {
    return img.argb[static_cast<std::size_t>(y * 16 + x)] >> 24;
  };
  // The head is wide where the arrow points, the shaft narrow at the other end.
  EXPECT_GT(alpha(down, 2, 8), 0u) << "down: head spreads out in the lower half";
  EXPECT_EQ(alpha(down, 2, 3), 0u) << "down: beside the shaft at the top";
  EXPECT_GT(alpha(up, 2, 7), 0u) << "up: head spreads out in the upper half";
  EXPECT_EQ(alpha(up, 2, 12), 0u) << "up: beside the shaft at the bottom";
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(alpha(down, x, y), alpha(up, x, 15 - y)) << "mirror images at " << x << "," << y;
}

TEST(Art, ArrowIconsHold16And32PixelImages) {
  for (const std::string& ico : {art::arrowDownIco(), art::arrowUpIco()}) {
    ASSERT_GE(ico.size(), 38u);
    ASSERT_EQ(u16(ico, 4), 2u) << "two images";
    EXPECT_EQ(static_cast<unsigned char>(ico[6]), 16u);
    EXPECT_EQ(static_cast<unsigned char>(ico[6 + 16]), 32u);
  }
  const art::Image big = art::arrow(true, 32);
  ASSERT_EQ(big.argb.size(), 1024u);
  EXPECT_GT(big.argb[static_cast<std::size_t>(18 * 32 + 4)] >> 24, 0u) << "the head spreads out in the lower half";
  EXPECT_EQ(big.argb[static_cast<std::size_t>(6 * 32 + 4)] >> 24, 0u) << "beside the shaft at the top";
}

TEST(Art, SmallIconSetHasFortyPicturesAndPicture35IsATiledWindow) {
  const art::Image strip = art::smallIconStrip();
  ASSERT_EQ(strip.width, 16 * art::kSmallIconCount);
  ASSERT_EQ(strip.height, 16);
  ASSERT_EQ(art::kSmallIconCount, 40);
  const auto px = [&](int n, int x, int y) {
    return strip.argb[static_cast<std::size_t>(y * strip.width + (n - 1) * 16 + x)] & 0xFFFFFF;
  };
  for (int n = 1; n <= art::kSmallIconCount; ++n) {
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += (px(n, x, y) != (art::kSmallIconKey & 0xFFFFFF)) ? 1 : 0;
    EXPECT_GT(drawn, 30) << "picture " << n << " is empty";
    EXPECT_EQ(px(n, 0, 0), art::kSmallIconKey & 0xFFFFFF) << "picture " << n << ": corner must stay clear";
  }
  // Picture 35: four tiles of clearly different colours (red, green, blue, yellow) in a window.
  const int n = art::kSmallIconTiles;
  const std::uint32_t tiles[] = {px(n, 5, 7), px(n, 11, 7), px(n, 5, 11), px(n, 11, 11)};
  const auto channel = [](std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  EXPECT_GT(channel(tiles[0], 16), 2 * channel(tiles[0], 8)) << std::hex << tiles[0] << " red tile";
  EXPECT_GT(channel(tiles[1], 8), 2 * channel(tiles[1], 16)) << std::hex << tiles[1] << " green tile";
  EXPECT_GT(channel(tiles[2], 0), 2 * channel(tiles[2], 16)) << std::hex << tiles[2] << " blue tile";
  EXPECT_GT(channel(tiles[3], 8), 2 * channel(tiles[3], 0)) << std::hex << tiles[3] << " yellow tile";
  EXPECT_GT(channel(tiles[3], 16), 2 * channel(tiles[3], 0)) << std::hex << tiles[3] << " yellow tile";
}

TEST(Art, IcoDirectoryListsEverySize) {
  const std::string ico = art::lockIco();
  ASSERT_GE(ico.size(), 6u + 3 * 16);
  EXPECT_EQ(u16(ico, 0), 0);
  EXPECT_EQ(u16(ico, 2), 1);  // icon, not cursor
  ASSERT_EQ(u16(ico, 4), 3);
  const int sizes[] = {16, 32, 48};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(static_cast<unsigned char>(ico[6 + 16 * static_cast<std::size_t>(i)]), sizes[i]);
    EXPECT_EQ(u16(ico, 6 + 16 * static_cast<std::size_t>(i) + 6), 32) << "bits per pixel";
  }
}

TEST(Art, PadlockIsOpaqueInTheBodyAndClearInTheCorners) {
  const art::Image img = art::padlock(32);
  ASSERT_EQ(img.argb.size(), 32u * 32u);
  EXPECT_EQ(img.argb[0] >> 24, 0u) << "top-left corner";
  EXPECT_EQ(img.argb[24 * 32 + 16] >> 24, 0xFFu) << "middle of the body";
}

}  // namespace
