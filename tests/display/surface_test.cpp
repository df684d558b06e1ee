#include "display/surface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "display/bitmap_picture.h"
#include "display_test_support.h"

namespace quillor {
namespace {

using test::MakeBitmapFile;

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(Surface, PaletteTakesEffectOnlyWhenApplied) {
  Surface s;
  ASSERT_TRUE(s.SetSize(4, 2, 8));
  s.SetPaletteEntry(1, 10, 20, 30);
  EXPECT_EQ(s.AppliedPalette()[1], (PaletteEntry{0, 0, 0}));
  EXPECT_EQ(s.PendingPalette()[1], (PaletteEntry{10, 20, 30}));
  s.Row(0)[0] = 1;
  EXPECT_EQ(s.PixelColour(0, 0), 0u);
  s.ApplyPalette();
  EXPECT_EQ(s.PixelColour(0, 0), 0x0A141Eu);
}

TEST(Surface, SizeAndStride) {
  Surface s;
  EXPECT_TRUE(s.Empty());
  ASSERT_TRUE(s.SetSize(537, 403, 8));
  EXPECT_EQ(s.Stride(), 540);
  s.Row(5)[7] = 9;
  ASSERT_TRUE(s.SetSize(537, 403, 8));  // same size: pixels stay
  EXPECT_EQ(s.Row(5)[7], 9);
  ASSERT_TRUE(s.SetSize(100, 57, 0));  // the host depth
  EXPECT_EQ(s.Bits(), 24);
  EXPECT_EQ(s.Stride(), 300);
  EXPECT_FALSE(s.SetSize(10, 10, 16));
  EXPECT_FALSE(s.SetSize(0, 10, 8));
}

TEST(Surface, SetPixelAndClearOn24Bit) {
  Surface s;
  s.SetSize(3, 2, 24);
  s.Clear(0x112233);
  s.SetPixel(2, 1, 0xAABBCC);
  s.SetPixel(3, 1, 0xFFFFFF);  // outside: ignored
  s.SetPixel(-1, 0, 0xFFFFFF);
  EXPECT_EQ(s.Row(1)[6], 0xCC);  // blue first
  EXPECT_EQ(s.Row(1)[8], 0xAA);
  EXPECT_EQ(s.PixelColour(0, 0), 0x112233u);
  EXPECT_EQ(s.PixelColour(2, 1), 0xAABBCCu);
}

class DrawFromTest : public ::testing::Test {
 protected:
  void SetUp() override {
    source.SetSize(10, 10, 8);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) source.Row(y)[x] = static_cast<uint8_t>(10 * y + x);
    dest.SetSize(6, 5, 8);
    dest.Clear(0xEE);
  }
  Surface source, dest;
};

TEST_F(DrawFromTest, CopiesOnlyWhatFitsAtRightAndBottom) {
  dest.DrawFrom(source, 4, 3, 5, 5, 1, 1);
  EXPECT_EQ(dest.Row(3)[3], 0xEE);
  EXPECT_EQ(dest.Row(3)[4], 11);
  EXPECT_EQ(dest.Row(3)[5], 12);
  EXPECT_EQ(dest.Row(4)[5], 22);
  EXPECT_EQ(dest.Row(2)[4], 0xEE);
}

TEST_F(DrawFromTest, NegativeStartsShiftTheOtherSide) {
  dest.DrawFrom(source, -2, -1, 4, 3, 3, 3);  // dest clipped: source starts at (5, 4)
  EXPECT_EQ(dest.Row(0)[0], 45);
  EXPECT_EQ(dest.Row(0)[1], 46);
  EXPECT_EQ(dest.Row(0)[2], 0xEE);
  EXPECT_EQ(dest.Row(1)[1], 56);
  EXPECT_EQ(dest.Row(2)[0], 0xEE);
  dest.Clear(0xEE);
  dest.DrawFrom(source, 1, 1, 3, 3, -1, -2);  // source clipped: dest starts at (2, 3)
  EXPECT_EQ(dest.Row(3)[2], 0);
  EXPECT_EQ(dest.Row(3)[3], 1);
  EXPECT_EQ(dest.Row(4)[2], 0xEE);  // height 3 - 2 leaves one row
  EXPECT_EQ(dest.Row(3)[4], 0xEE);
  EXPECT_EQ(dest.Row(2)[2], 0xEE);
}

TEST_F(DrawFromTest, StartsBeyondTheEdgesCopyNothing) {
  dest.DrawFrom(source, 6, 0, 3, 3, 0, 0);
  dest.DrawFrom(source, 0, 0, 3, 3, 10, 0);
  dest.DrawFrom(source, 0, 0, 3, 3, 0, 10);
  dest.DrawFrom(source, -5, 0, 3, 3, 0, 0);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(dest.Row(y)[x], 0xEE);
}

TEST_F(DrawFromTest, DifferentDepthsGoThroughColours) {
  source.SetPaletteEntry(12, 1, 2, 3);
  source.ApplyPalette();
  Surface wide;
  wide.SetSize(4, 4, 24);
  wide.DrawFrom(source, 0, 0, 1, 1, 2, 1);
  EXPECT_EQ(wide.PixelColour(0, 0), 0x010203u);
}

TEST(SurfaceBitmap, ScreenFileLayoutByteByByte) {
  Surface s;
  s.SetSize(537, 403, 8);
  s.SetPaletteEntry(1, 0x80, 0x81, 0x82);
  s.ApplyPalette();
  s.Row(0)[0] = 1;      // top-left
  s.Row(402)[536] = 7;  // bottom-right
  std::vector<uint8_t> f = s.EncodeBitmapFile();
  ASSERT_EQ(f.size(), 218698u);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  EXPECT_EQ(Get32(f, 2), 218698u);
  EXPECT_EQ(Get32(f, 6), 0u);
  EXPECT_EQ(Get32(f, 10), 1078u);
  EXPECT_EQ(Get32(f, 14), 40u);
  EXPECT_EQ(Get32(f, 18), 537u);
  EXPECT_EQ(Get32(f, 22), 403u);
  EXPECT_EQ(f[26] | f[27] << 8, 1);
  EXPECT_EQ(f[28] | f[29] << 8, 8);
  EXPECT_EQ(Get32(f, 30), 0u);
  // Colour table entry 1 as blue, green, red, 0.
  EXPECT_EQ(f[54 + 4], 0x82);
  EXPECT_EQ(f[54 + 5], 0x81);
  EXPECT_EQ(f[54 + 6], 0x80);
  EXPECT_EQ(f[54 + 7], 0);
  // Bottom-up rows of 540 bytes: the last stored row is the top line.
  EXPECT_EQ(f[1078 + 536], 7);
  EXPECT_EQ(f[1078 + 402 * 540], 1);
}

TEST(SurfaceBitmap, WrittenFileReadsBackAsTheSamePicture) {
  std::filesystem::create_directories(QUILLOR_TEST_TMP);
  auto path = std::filesystem::path(QUILLOR_TEST_TMP) / "roundtrip.bmp";
  Surface s;
  s.SetSize(13, 5, 8);
  for (int i = 0; i < 256; ++i) s.SetPaletteEntry(i, uint8_t(i), uint8_t(255 - i), uint8_t(i / 2));
  s.ApplyPalette();
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) s.Row(y)[x] = static_cast<uint8_t>(y * 13 + x);
  ASSERT_TRUE(s.SaveBitmapFile(path));
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes, s.EncodeBitmapFile());
  auto picture = DecodeBitmap(bytes);
  ASSERT_TRUE(picture);
  Surface back;
  back.LoadFromBitmap(*picture);
  ASSERT_EQ(back.Width(), 13);
  ASSERT_EQ(back.Height(), 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) ASSERT_EQ(back.PixelColour(x, y), s.PixelColour(x, y));
}

TEST(SurfaceBitmap, UnwritablePathFailsAndLeavesNothing) {
  Surface s;
  s.SetSize(4, 4, 8);
  auto path = std::filesystem::path(QUILLOR_TEST_TMP) / "no-such-folder" / "x.bmp";
  EXPECT_FALSE(s.SaveBitmapFile(path));
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(BitmapDecode, Uncompressed24BitBottomUpAndTopDown) {
  // 2 x 2: rows padded to 8 bytes. Stored bottom row first.
  std::vector<uint8_t> data = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  auto up = DecodeBitmap(MakeBitmapFile(2, 2, 24, 0, 0, data));
  ASSERT_TRUE(up);
  Surface s;
  s.LoadFromBitmap(*up);
  EXPECT_EQ(s.Bits(), 24);
  EXPECT_EQ(s.PixelColour(0, 0), 0x090807u);  // top line = second stored row
  EXPECT_EQ(s.PixelColour(1, 1), 0x060504u);
  auto file = MakeBitmapFile(2, 2, 24, 0, 0, data);
  file[22] = 0xFE, file[23] = 0xFF, file[24] = 0xFF, file[25] = 0xFF;  // height -2
  auto down = DecodeBitmap(file);
  ASSERT_TRUE(down);
  s.LoadFromBitmap(*down);
  EXPECT_EQ(s.PixelColour(0, 0), 0x030201u);
}

TEST(BitmapDecode, RunLengthEightBit) {
  // 4 x 2, bottom row: run of 3 x index 5, then literal [6]; escape to next
  // row; top row: literal 1 2 3 (padded to a word), end.
  std::vector<uint8_t> data = {3, 5, 1, 6, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1};
  auto p = DecodeBitmap(MakeBitmapFile(4, 2, 8, 1, 8, data));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->bits, 8);
  EXPECT_EQ(p->pixels, (std::vector<uint8_t>{1, 2, 3, 0, 5, 5, 5, 6}));
  EXPECT_EQ(p->palette[3], (PaletteEntry{9, 6, 3}));
}

TEST(BitmapDecode, RunLengthFourBit) {
  // 6 x 1: run of 3 alternating 0xA/0xB, then 3 literal nibbles 1, 2, 3.
  std::vector<uint8_t> data = {3, 0xAB, 0, 3, 0x12, 0x30, 0, 1};
  auto p = DecodeBitmap(MakeBitmapFile(6, 1, 4, 2, 16, data));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pixels, (std::vector<uint8_t>{0xA, 0xB, 0xA, 1, 2, 3}));
}

TEST(BitmapDecode, DamagedFilesAreRefusedWithoutReadingPastTheirEnd) {
  std::vector<uint8_t> data(16, 0);
  auto good = MakeBitmapFile(2, 2, 24, 0, 0, data);
  ASSERT_TRUE(DecodeBitmap(good));
  // Every truncation of a valid file is refused (no header, or too few
  // pixel bytes) rather than read beyond what is there.
  for (size_t n = 0; n < good.size() - 2; ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + n);
    EXPECT_FALSE(DecodeBitmap(cut)) << n;
  }
  auto huge = good;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;
  EXPECT_FALSE(DecodeBitmap(huge));
  auto badOffset = good;
  badOffset[10] = 0xFF, badOffset[11] = 0xFF;
  EXPECT_FALSE(DecodeBitmap(badOffset));
  auto tooManyColours = MakeBitmapFile(2, 2, 8, 0, 4, std::vector<uint8_t>(8, 0));
  tooManyColours[46] = 0x00, tooManyColours[47] = 0x02;  // 512 colours
  EXPECT_FALSE(DecodeBitmap(tooManyColours));
  auto unknownDepth = good;
  unknownDepth[28] = 16;
  EXPECT_FALSE(DecodeBitmap(unknownDepth));
  // A run-length literal that claims more bytes than remain.
  EXPECT_FALSE(DecodeBitmap(MakeBitmapFile(4, 1, 8, 1, 4, {0, 200, 1, 2})));
  // Runs that overshoot the picture are cut, not written outside it.
  auto wide = DecodeBitmap(MakeBitmapFile(2, 1, 8, 1, 4, {255, 1, 0, 2, 255, 9, 0, 1}));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->pixels, (std::vector<uint8_t>{1, 1}));
}

TEST(SurfaceBitmap, LoadingALargerPictureResizesTheSurface) {
  Surface panel;
  panel.SetSize(100, 112, 24);
  auto p = DecodeBitmap(test::MakeSolidPicture(164, 163, 0x102030, 0x405060));
  ASSERT_TRUE(p);
  panel.LoadFromBitmap(*p);
  EXPECT_EQ(panel.Width(), 164);
  EXPECT_EQ(panel.Height(), 163);
  EXPECT_EQ(panel.PixelColour(1, 1), 0x405060u);
  EXPECT_EQ(panel.PixelColour(163, 162), 0x102030u);
}

}  // namespace
}  // namespace quillor
