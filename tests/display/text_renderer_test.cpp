#include "display/text_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "display/colour_board.h"
#include "display_test_support.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

using test::Pixels;
using Row8 = std::vector<uint8_t>;

class TextRendererTest : public ::testing::Test {
 protected:
  TextRendererTest()
      : board(surfaces.HiresSurface, presentation),
        text(surfaces.ScreenSurface, presentation, board.Overlay()) {
    text.ClearScreenSurface();
    generator = test::MakeGenerator(4096);
    EXPECT_TRUE(text.LoadCharacterGenerator(generator, GeneratorVariant::SeriesOne));
    video.fill(0x20);
  }
  Surface& screen() { return surfaces.ScreenSurface; }
  // Both lines of glyph row g of the 64-column cell (c, r).
  Row8 Upper(int c, int r, int g, int width = 8) {
    return Pixels(screen(), 12 + width * c, 9 + 24 * r + 2 * g, width);
  }
  Row8 Lower(int c, int r, int g, int width = 8) {
    return Pixels(screen(), 12 + width * c, 10 + 24 * r + 2 * g, width);
  }
  void Show(int c, int r, uint8_t code) {
    video[64 * r + c] = code;
    text.RenderCell(static_cast<uint16_t>(kVideoBase + 64 * r + c), video);
  }
  void Port(uint8_t port, uint8_t value) { board.WritePort(port, value, dirty); }

  FrameSurfaces surfaces;
  PresentationState presentation;
  ColourBoard board;
  TextRenderer text;
  std::vector<uint8_t> generator;
  std::array<uint8_t, kVideoBytes> video{};
  std::array<uint8_t, kVideoBytes> dirty{};
};

TEST_F(TextRendererTest, ClearedSurfaceAlternatesEntriesZeroAndFour) {
  for (int y : {0, 1, 8, 9, 392, 402}) {
    uint8_t expected = y % 2 ? 4 : 0;
    EXPECT_EQ(Pixels(screen(), 0, y, 537), Row8(537, expected)) << y;
  }
}

TEST_F(TextRendererTest, SpaceDrawsTheBorderPattern) {
  Show(5, 7, 0xBF);
  Show(5, 7, 0x20);
  for (int g = 0; g < 12; ++g) {
    EXPECT_EQ(Upper(5, 7, g), Row8(8, 4));
    EXPECT_EQ(Lower(5, 7, g), Row8(8, 0));
  }
}

TEST_F(TextRendererTest, LetterRowsAreResampledToFourLevels) {
  presentation.ScreenChanged = false;
  Show(3, 2, 0x41);
  EXPECT_TRUE(presentation.ScreenChanged);
  EXPECT_EQ(Upper(3, 2, 0), Row8(8, 4));
  EXPECT_EQ(Lower(3, 2, 1), (Row8{0, 0, 1, 3, 0, 0, 0, 0}));  // 0x20: one pixel at bit 5
  EXPECT_EQ(Upper(3, 2, 1), (Row8{4, 4, 5, 7, 4, 4, 4, 4}));
  EXPECT_EQ(Lower(3, 2, 2), (Row8{0, 2, 2, 0, 3, 1, 0, 0}));  // 0x50
  EXPECT_EQ(Lower(3, 2, 5), (Row8{3, 3, 3, 3, 3, 3, 2, 0}));  // 0xF8
  // Neighbours untouched.
  EXPECT_EQ(Pixels(screen(), 12 + 8 * 4, 9 + 48 + 2, 8), Row8(8, 4));
}

TEST_F(TextRendererTest, BlockGraphics) {
  Show(0, 0, 0xBF);
  for (int g = 0; g < 12; ++g) {
    EXPECT_EQ(Upper(0, 0, g), Row8(8, 7));
    EXPECT_EQ(Lower(0, 0, g), Row8(8, 3));
  }
  Show(63, 15, 0x81);
  for (int g = 0; g < 12; ++g) {
    Row8 lit = g < 4 ? Row8{3, 3, 3, 3, 0, 0, 0, 0} : Row8(8, 0);
    EXPECT_EQ(Lower(63, 15, g), lit) << g;
  }
  // Bit 6 of the code makes no difference.
  Show(1, 0, 0xC1);
  for (int g = 0; g < 12; ++g) EXPECT_EQ(Lower(1, 0, g), Lower(63, 15, g));
}

TEST_F(TextRendererTest, LowCodesCopyTheUpperCaseGlyphsExceptOnTheSixtyFour) {
  Show(0, 0, 0x01);
  Show(1, 0, 0x41);
  for (int g = 0; g < 12; ++g) EXPECT_EQ(Lower(0, 0, g), Lower(1, 0, g));
  auto own = test::MakeGenerator(2048, 7);
  text.LoadCharacterGenerator(own, GeneratorVariant::SixtyFour);
  Show(0, 0, 0x01);
  Show(1, 0, 0x41);
  EXPECT_NE(Lower(0, 0, 1), Lower(1, 0, 1));
  EXPECT_EQ(text.Glyphs().WorkingImage()[0x10], own[0x10]);
}

TEST_F(TextRendererTest, TextOnlyGeneratorKeepsTheBlockGraphics) {
  Show(0, 0, 0x81);
  Row8 before = Lower(0, 0, 0);
  auto seriesTwo = test::MakeGenerator(2048, 3);
  EXPECT_TRUE(text.LoadCharacterGenerator(seriesTwo, GeneratorVariant::SeriesTwo));
  EXPECT_EQ(text.Glyphs().WorkingImage()[0x42 * 16 + 2], seriesTwo[0x42 * 16 + 2]);
  Show(0, 0, 0x81);
  EXPECT_EQ(Lower(0, 0, 0), before);
  EXPECT_EQ(Lower(0, 0, 4), Row8(8, 0));
  // A short image is refused and the glyphs stay.
  EXPECT_FALSE(text.LoadCharacterGenerator(std::span<const uint8_t>(generator).first(100),
                                           GeneratorVariant::SeriesTwo));
  EXPECT_EQ(text.Glyphs().WorkingImage()[0x42 * 16 + 2], seriesTwo[0x42 * 16 + 2]);
}

TEST_F(TextRendererTest, ThirtyTwoColumnPages) {
  video[64 * 1 + 40] = 0x41;
  text.CutCommand(false, video);
  ASSERT_EQ(text.CharacterWidth(), 16);
  // Page 0 shows columns 0-31; a write to column 40 draws nothing.
  std::vector<uint8_t> snapshot(screen().Pixels().begin(), screen().Pixels().end());
  presentation.ScreenChanged = false;
  Show(40, 1, 0xBF);
  EXPECT_FALSE(presentation.ScreenChanged);
  EXPECT_TRUE(std::equal(snapshot.begin(), snapshot.end(), screen().Pixels().begin()));
  text.PageCommand(false, video);
  EXPECT_TRUE(presentation.ScreenChanged);
  // Column 40 now sits where column 8 of the half page is: 16 pixels wide.
  EXPECT_EQ(Upper(8, 1, 0, 16), Row8(16, 7));
  EXPECT_EQ(Lower(8, 1, 11, 16), Row8(16, 3));
  Show(40, 1, 0x41);
  EXPECT_EQ(Lower(8, 1, 5, 16), (Row8{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 0, 0}));
  Show(40, 1, 0x82);  // top-right block
  EXPECT_EQ(Lower(8, 1, 0, 16), (Row8{0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3}));
  // Page 1 hides columns 0-31.
  presentation.ScreenChanged = false;
  Show(3, 0, 0xBF);
  EXPECT_FALSE(presentation.ScreenChanged);
}

TEST_F(TextRendererTest, PageRedrawsOnlyInThirtyTwoColumnMode) {
  presentation.ScreenChanged = false;
  text.PageCommand(false, video);
  EXPECT_TRUE(text.PageChecked());
  EXPECT_FALSE(presentation.ScreenChanged);
  text.CutCommand(true, video);  // colour board shown: state changes, nothing drawn
  EXPECT_TRUE(text.CutChecked());
  EXPECT_FALSE(presentation.ScreenChanged);
}

TEST_F(TextRendererTest, OverlayIsXoredOntoGlyphRows) {
  Port(0xEF, 1);
  EXPECT_TRUE(std::all_of(dirty.begin(), dirty.end(), [](uint8_t f) { return f == 1; }));
  Port(0xEC, 0x3F);  // column 0, line 0: all six pixels lit
  Port(0xEE, 1);
  Port(0xEC, 0x3F);
  Port(0xEE, 2);
  Port(0xEC, 0x01);  // leftmost source pixel only
  Show(0, 0, 0x41);
  EXPECT_EQ(Upper(0, 0, 0), Row8(8, 7));                      // blank row inverted
  EXPECT_EQ(Lower(0, 0, 1), (Row8{3, 3, 2, 0, 3, 3, 3, 3}));  // 3 -> 0, 1 -> 2
  EXPECT_EQ(Lower(0, 0, 2), (Row8{3, 3, 2, 0, 3, 1, 0, 0}));  // 0x50 ^ (3 1 0 0 ...)
  EXPECT_EQ(Lower(0, 0, 3), (Row8{3, 1, 0, 0, 0, 2, 2, 0}));  // 0x88, no overlay there
  // Off again: the plain glyph.
  Port(0xEF, 0);
  Show(0, 0, 0x41);
  EXPECT_EQ(Upper(0, 0, 0), Row8(8, 4));
}

TEST_F(TextRendererTest, CutIsRefusedWhileTheOverlayIsOnAndThirtyTwoColumnsIgnoreIt) {
  Port(0xEF, 1);
  text.CutCommand(false, video);
  EXPECT_FALSE(text.CutChecked());
  Port(0xEF, 0);
  text.CutCommand(false, video);
  ASSERT_TRUE(text.CutChecked());
  Port(0xEF, 1);
  Port(0xEC, 0x3F);
  Show(0, 0, 0x20);
  EXPECT_EQ(Upper(0, 0, 0, 16), Row8(16, 4));
}

TEST_F(TextRendererTest, DirtyCellsAreRenderedOnceAndCleared) {
  video[0] = 0xBF;
  video[1023] = 0xBF;
  video[500] = 0xBF;  // not marked: stays as it was
  dirty[0] = dirty[1023] = 1;
  text.RenderDirtyCells(video, dirty);
  EXPECT_EQ(Lower(0, 0, 0), Row8(8, 3));
  EXPECT_EQ(Lower(63, 15, 11), Row8(8, 3));
  EXPECT_EQ(Lower(500 % 64, 500 / 64, 0), Row8(8, 0));
  EXPECT_EQ(dirty, (std::array<uint8_t, kVideoBytes>{}));
}

}  // namespace
}  // namespace quillor

namespace quillor {
namespace {

TEST(BuiltInGenerators, LoadCompletelyAndKeepTheBlockGraphics) {
  FrameSurfaces surfaces;
  PresentationState presentation;
  PixelOverlay overlay;
  TextRenderer text(surfaces.ScreenSurface, presentation, overlay);
  if (FindEmbeddedResource("CHRGENS1").empty()) GTEST_SKIP() << "this build carries no CHRGENS1";
  ASSERT_TRUE(text.LoadCharacterGenerator("CHRGENS1", GeneratorVariant::SeriesOne));
  auto blocks = text.Glyphs().WorkingImage().subspan(0x800);
  std::vector<uint8_t> before(blocks.begin(), blocks.end());
  ASSERT_TRUE(text.LoadCharacterGenerator("CHRGENS2", GeneratorVariant::SeriesTwo));
  EXPECT_TRUE(std::equal(before.begin(), before.end(), text.Glyphs().WorkingImage().begin() + 0x800));
  ASSERT_TRUE(text.LoadCharacterGenerator("CHRGENS3", GeneratorVariant::SixtyFour));
  EXPECT_FALSE(text.LoadCharacterGenerator("NO-SUCH-GENERATOR", GeneratorVariant::SeriesOne));
}

}  // namespace
}  // namespace quillor
