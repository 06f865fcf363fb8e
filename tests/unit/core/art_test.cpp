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
