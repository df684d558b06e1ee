#include "display/colour_board.h"

#include <gtest/gtest.h>

#include <vector>

#include "display_test_support.h"

namespace quillor {
namespace {

class ColourBoardTest : public ::testing::Test {
 protected:
  ColourBoardTest() : board(hires, presentation), memory(65536, 0) {
    hires.SetSize(kHiresWidth, kHiresHeight, 8);
  }
  void Port(uint8_t port, uint8_t value) { board.WritePort(port, value, dirty); }
  PaletteEntry Shown(int index) const { return hires.AppliedPalette()[index]; }

  Surface hires;
  PresentationState presentation;
  ColourBoard board;
  std::vector<uint8_t> memory;
  std::array<uint8_t, kVideoBytes> dirty{};
};

TEST(BoardColour, ColourRule) {
  EXPECT_EQ(BoardColourOf(0x70), (PaletteEntry{64, 64, 64}));
  EXPECT_EQ(BoardColourOf(0xF0), (PaletteEntry{192, 192, 192}));
  EXPECT_EQ(BoardColourOf(0x4F), (PaletteEntry{79, 0, 0}));
  EXPECT_EQ(BoardColourOf(0x0F), (PaletteEntry{0, 0, 0}));
  EXPECT_EQ(BoardColourOf(0xAF), (PaletteEntry{0, 207, 0}));
}

TEST_F(ColourBoardTest, PalettePortsSetColoursAndBlends) {
  Port(0xA3, 0x70);
  EXPECT_EQ(board.ReadPort(0xA3), 0x70);
  EXPECT_EQ(Shown(17 * 3), (PaletteEntry{64, 64, 64}));
  // Colour 3 above every other (still black) colour: half of it, rounded down.
  EXPECT_EQ(Shown(16 * 0 + 3), (PaletteEntry{32, 32, 32}));
  EXPECT_EQ(Shown(16 * 9 + 3), (PaletteEntry{32, 32, 32}));
  // Blends with colour 3 below were made when the other port was written.
  EXPECT_EQ(Shown(16 * 3 + 0), (PaletteEntry{0, 0, 0}));
  Port(0xA5, 0x4F);                                          // (79, 0, 0)
  EXPECT_EQ(Shown(16 * 3 + 5), (PaletteEntry{71, 32, 32}));  // (79 + 64) / 2 = 71
  EXPECT_EQ(Shown(16 * 5 + 3), (PaletteEntry{32, 32, 32}));  // kept from before
}

TEST_F(ColourBoardTest, RepeatedOrZeroPaletteBytesChangeNothing) {
  Port(0xA0, 0);
  EXPECT_EQ(hires.PaletteGeneration(), 0u);
  Port(0xA1, 0xF0);
  uint32_t generation = hires.PaletteGeneration();
  Port(0xA1, 0xF0);
  EXPECT_EQ(hires.PaletteGeneration(), generation);
}

TEST_F(ColourBoardTest, PlainRegistersReadBack) {
  for (uint8_t p = 0x80; p <= 0x83; ++p) EXPECT_EQ(board.ReadPort(p), 0);
  Port(0x82, 0x5A);
  EXPECT_EQ(board.ReadPort(0x82), 0x5A);
  EXPECT_EQ(board.ReadPort(0x81), 0);
}

TEST_F(ColourBoardTest, HiresWriteDrawsTheRowPairBlock) {
  memory[0x8000] = 0x03;  // even row, pixel 0 colour 3 (bank 0 only)
  presentation.ScreenChanged = false;
  board.HiresWrite(0x8001, memory.data());
  EXPECT_TRUE(presentation.ScreenChanged);
  EXPECT_EQ(test::Pixels(hires, 0, 0, 8), (std::vector<uint8_t>{51, 51, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(test::Pixels(hires, 0, 1, 8), (std::vector<uint8_t>{3, 3, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(test::Pixels(hires, 0, 2, 8), (std::vector<uint8_t>(8, 0)));
  // Column 63, pair 127, with both banks: pixel 3 of the even row colour
  // 4 * 2 + 1 = 9 and of the odd row 4 * 3 + 3 = 15.
  memory[0xBFFE] = 0x40;
  memory[0xFFFE] = 0x80;
  memory[0xBFFF] = 0xC0;
  memory[0xFFFF] = 0xC0;
  board.HiresWrite(0xFFFE, memory.data());
  EXPECT_EQ(test::Pixels(hires, 504, 381, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 153, 153}));
  EXPECT_EQ(test::Pixels(hires, 504, 382, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 249, 249}));
  EXPECT_EQ(test::Pixels(hires, 504, 383, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 255, 255}));
}

TEST_F(ColourBoardTest, RedrawHiresCoversThePictureButNotTheLastTwoLines) {
  for (int a = 0x8000; a < 0x10000; ++a) memory[a] = 0xFF;
  hires.Clear(7);
  board.RedrawHires(memory.data());
  for (int y : {0, 1, 2, 200, 383}) EXPECT_EQ(test::Pixels(hires, 0, y, 512), std::vector<uint8_t>(512, 255));
  EXPECT_EQ(test::Pixels(hires, 0, 384, 512), std::vector<uint8_t>(512, 7));
}

TEST_F(ColourBoardTest, OverlayPorts) {
  Port(0xED, 0x45);  // column masked to 0-63
  Port(0xEE, 200);
  EXPECT_EQ(board.ReadPort(0xED), 5);
  EXPECT_EQ(board.ReadPort(0xEE), 200);
  Port(0xEC, 0xFF);
  EXPECT_EQ(board.ReadPort(0xEC), 0x3F);
  EXPECT_EQ(dirty, (std::array<uint8_t, kVideoBytes>{}));  // below the screen
  Port(0xEF, 0x03);
  EXPECT_EQ(board.ReadPort(0xEF), 1);
  EXPECT_EQ(board.ReadPort(0xEC), 0x7F);
  EXPECT_TRUE(board.Overlay().OverlayEnabled());
  dirty.fill(0);
  Port(0xEF, 0x01);  // same state: nothing to redraw
  EXPECT_EQ(dirty, (std::array<uint8_t, kVideoBytes>{}));
  Port(0xEE, 191);  // last visible line: row 15
  Port(0xEC, 0x01);
  EXPECT_EQ(dirty[15 * 64 + 5], 1);
  EXPECT_EQ(board.Overlay().Pattern(5, 191), 0x0103u);  // levels 3 1 0 0 0 0 0 0
  EXPECT_EQ(board.ReadPort(0xED), 5);                   // registers do not move
}

}  // namespace
}  // namespace quillor
