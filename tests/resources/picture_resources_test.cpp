// The pictures of the main window and the keyboard help, read back the way
// the display reads them.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "display/bitmap_picture.h"
#include "display/jpeg_decoder.h"
#include "display/panel_pictures.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

constexpr uint32_t kWindowColour = 0x183060;

BitmapPicture Picture(std::string_view name) {
  std::optional<BitmapPicture> p = DecodeBitmap(FindEmbeddedResource(name));
  EXPECT_TRUE(p) << name;
  return p.value_or(BitmapPicture{});
}

uint32_t At(const BitmapPicture& p, int x, int y) {
  const uint8_t* px = p.pixels.data() + 3 * (static_cast<size_t>(y) * p.width + x);
  return uint32_t(px[2]) << 16 | uint32_t(px[1]) << 8 | px[0];
}

// The pixels of a w x h block, row by row.
std::vector<uint32_t> Block(const BitmapPicture& p, int x, int y, int w, int h) {
  std::vector<uint32_t> out;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.push_back(At(p, x + i, y + j));
  return out;
}

TEST(PanelPictures, AreTwentyFourBitAtTheirSizes) {
  const struct {
    const char* name;
    int width, height;
  } pictures[] = {{"2", 100, 57},        {"3", 100, 57},         {"4", 100, 112},
                  {"5", 164, 163},       {"BARBRIGHT", 100, 17}, {"BARCONTRAST", 100, 17},
                  {"BARCOLOR", 100, 17}, {"KBDHELP", 606, 143}};
  for (const auto& e : pictures) {
    const BitmapPicture p = Picture(e.name);
    EXPECT_EQ(p.width, e.width) << e.name;
    EXPECT_EQ(p.height, e.height) << e.name;
    EXPECT_EQ(p.bits, 24) << e.name;
  }
}

TEST(PanelPictures, DrivesShowTheirLampUnlitAndDifferWithADisk) {
  for (const char* name : {"2", "3"}) {
    const BitmapPicture p = Picture(name);
    for (const LampPixel& lamp : kDriveLamp)
      EXPECT_EQ(At(p, lamp.x, lamp.y), lamp.off) << name << " at " << lamp.x << "," << lamp.y;
  }
  EXPECT_NE(Block(Picture("2"), 0, 0, 100, 40), Block(Picture("3"), 0, 0, 100, 40));
}

TEST(PanelPictures, BarsCarryTheirFilledAndEmptyColours) {
  for (const char* name : {"BARBRIGHT", "BARCONTRAST", "BARCOLOR"}) {
    const BitmapPicture p = Picture(name);
    EXPECT_EQ(At(p, 0, 0), 0x0080FFu) << name;
    EXPECT_EQ(At(p, 1, 1), kWindowColour) << name;
    // Something is drawn in the icon area besides the two marker pixels.
    int drawn = 0;
    for (int y = 2; y < 17; ++y)
      for (int x = 0; x < 24; ++x) drawn += At(p, x, y) != kWindowColour;
    EXPECT_GT(drawn, 20) << name;
  }
}

TEST(RecorderSheet, HoldsTheTapePictureStripsAndPressedKey) {
  const BitmapPicture sheet = Picture("5");
  const BitmapPicture empty = Picture("4");
  // The tape makes the difference between the two recorder pictures.
  EXPECT_NE(Block(sheet, 8, 6, 84, 58), Block(empty, 8, 6, 84, 58));
  // Stopped, playing and recording strips are three different pictures.
  const auto stopped = Block(sheet, 0, 87, 100, 24);
  const auto playing = Block(sheet, 0, 113, 100, 24);
  const auto recording = Block(sheet, 0, 139, 100, 24);
  EXPECT_NE(stopped, playing);
  EXPECT_NE(playing, recording);
  EXPECT_NE(stopped, recording);
  // The pressed key replaces the raised rewind key at (14, 87) of the panel.
  EXPECT_NE(Block(sheet, 58, 113, 15, 21), Block(sheet, 14, 87, 15, 21));
}

TEST(RecorderSheet, ReelFramesTurnAndCloseTheLoop) {
  const BitmapPicture sheet = Picture("5");
  auto frame = [&](int reelColumn, int f) {
    return Block(sheet, reelColumn + (f < 8 ? 0 : 16), 16 * (f & 7), 16, 16);
  };
  for (int column : {100, 132}) {
    // Frame 0 is the reel the tape picture itself shows.
    EXPECT_EQ(frame(column, 0), Block(sheet, column == 100 ? 27 : 57, 25, 16, 16));
    for (int f = 0; f < 16; ++f) EXPECT_NE(frame(column, f), frame(column, (f + 1) % 16)) << f;
  }
}

TEST(MonitorBezel, IsABaselineJpegWithADarkOpeningBehindTheScreen) {
  const auto jpeg = DecodeJpeg(FindEmbeddedResource("BEZEL"));
  ASSERT_TRUE(jpeg);
  ASSERT_EQ(jpeg->components, 3);
  EXPECT_EQ(jpeg->width, 614);
  EXPECT_EQ(jpeg->height, 480);
  EXPECT_FALSE(jpeg->progressive);
  auto brightness = [&](int x, int y) {
    const uint8_t* p = jpeg->pixels.data() + 3 * (static_cast<size_t>(y) * jpeg->width + x);
    return p[0] + p[1] + p[2];
  };
  // Around the screen panel (x 38-574, y 44-446 of the picture) the glass
  // is dark; the casing beyond it is not.
  for (int x : {36, 100, 300, 576})
    for (int y : {42, 200, 448}) EXPECT_LT(brightness(x, y), 60) << x << "," << y;
  for (int x : {10, 307, 604}) EXPECT_GT(brightness(x, 12), 200) << x;
}

}  // namespace
}  // namespace quillor
