// The character generators and the debugger font as the program carries them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "display/colour_board.h"
#include "display/text_renderer.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

constexpr int kBytesPerCode = 16;

std::span<const uint8_t> Code(std::string_view generator, int code) {
  return FindEmbeddedResource(generator).subspan(kBytesPerCode * code, kBytesPerCode);
}

bool Lit(std::span<const uint8_t> glyph, int row, int column) { return (glyph[row] >> (7 - column)) & 1; }

TEST(CharacterGenerators, TextCodesUseSixPixelsAndTwelveRows) {
  for (const char* name : {"CHRGENS1", "CHRGENS2", "CHRGENS3"}) {
    for (int code = 0; code < 0x80; ++code) {
      SCOPED_TRACE(std::string(name) + " code " + std::to_string(code));
      const auto glyph = Code(name, code);
      for (int row = 0; row < 16; ++row) EXPECT_EQ(glyph[row] & 0x03, 0) << "row " << row;
      for (int row = 12; row < 16; ++row) EXPECT_EQ(glyph[row], 0) << "row " << row;
    }
  }
}

TEST(CharacterGenerators, BlockGraphicsFollowTheTwoByThreeRule) {
  for (int code = 0x80; code < 0x100; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    const auto glyph = Code("CHRGENS1", code);
    for (int row = 0; row < 16; ++row)
      for (int column = 0; column < 8; ++column) {
        const int block = row < 12 ? 2 * (row / 4) + (column < 4 ? 0 : 1) : -1;
        const bool expected = block >= 0 && (code & (1 << block));
        ASSERT_EQ(Lit(glyph, row, column), expected) << "row " << row << " column " << column;
      }
  }
  // Bit 6 is not part of the picture.
  for (int code = 0x80; code < 0xC0; ++code)
    EXPECT_TRUE(std::ranges::equal(Code("CHRGENS1", code), Code("CHRGENS1", code + 0x40)));
}

TEST(CharacterGenerators, LettersHaveTheirSpacingColumnAndLowerCaseDescends) {
  for (const char* name : {"CHRGENS1", "CHRGENS2", "CHRGENS3"}) {
    SCOPED_TRACE(name);
    // Printable ASCII keeps column 5 free so neighbouring letters never touch.
    for (int code = 0x21; code < 0x7F; ++code)
      for (int row = 0; row < 12; ++row) EXPECT_FALSE(Lit(Code(name, code), row, 5)) << code;
    // Descenders reach below the baseline that capitals stand on.
    auto lowest = [&](int code) {
      const auto g = Code(name, code);
      int bottom = -1;
      for (int row = 0; row < 12; ++row)
        if (g[row]) bottom = row;
      return bottom;
    };
    for (char c : std::string("gjpqy")) EXPECT_GT(lowest(c), lowest('H')) << c;
    for (char c : std::string("acemnorsuvwxz")) EXPECT_EQ(lowest(c), lowest('H')) << c;
  }
}

TEST(CharacterGenerators, SeriesTwoIsItsOwnDesignAndSixtyFourHasItsOwnLowCodes) {
  int differing = 0;
  for (int code = 0x21; code < 0x7F; ++code)
    differing += !std::ranges::equal(Code("CHRGENS1", code), Code("CHRGENS2", code));
  EXPECT_GT(differing, 80);
  for (int code = 0; code < 0x20; ++code) {
    EXPECT_TRUE(std::ranges::equal(Code("CHRGENS1", code), Code("CHRGENS1", code + 0x40)));
    EXPECT_FALSE(std::ranges::equal(Code("CHRGENS3", code), Code("CHRGENS3", code + 0x40)));
  }
  // Distinct glyphs, so that no two accented letters look alike.
  for (int a = 0; a < 0x20; ++a)
    for (int b = a + 1; b < 0x20; ++b)
      EXPECT_FALSE(std::ranges::equal(Code("CHRGENS3", a), Code("CHRGENS3", b))) << a << " " << b;
}

// Every text code drawn by the real renderer: only the space may leave its
// cell looking like the border.
class RenderedGlyphs : public ::testing::TestWithParam<const char*> {
 protected:
  RenderedGlyphs()
      : board(surfaces.HiresSurface, presentation),
        text(surfaces.ScreenSurface, presentation, board.Overlay()) {
    text.ClearScreenSurface();
  }
  int LitPixels(int column, int row) const {
    int lit = 0;
    for (int y = 9 + 24 * row; y < 9 + 24 * row + 24; ++y)
      for (int x = 12 + 8 * column; x < 12 + 8 * column + 8; ++x)
        lit += (surfaces.ScreenSurface.Row(y)[x] & 3) != 0;
    return lit;
  }
  FrameSurfaces surfaces;
  PresentationState presentation;
  ColourBoard board;
  TextRenderer text;
};

TEST_P(RenderedGlyphs, EveryCodeButTheSpaceShows) {
  const std::string name = GetParam();
  const auto variant = name == "CHRGENS1"   ? GeneratorVariant::SeriesOne
                       : name == "CHRGENS2" ? GeneratorVariant::SeriesTwo
                                            : GeneratorVariant::SixtyFour;
  ASSERT_TRUE(text.LoadCharacterGenerator("CHRGENS1", GeneratorVariant::SeriesOne));
  ASSERT_TRUE(text.LoadCharacterGenerator(name, variant));
  std::array<uint8_t, kVideoBytes> video{};
  for (int i = 0; i < 256; ++i) video[i] = static_cast<uint8_t>(i);
  text.RedrawTextScreen(video);
  for (int code = 0; code < 256; ++code) {
    const int lit = LitPixels(code % 64, code / 64);
    if (code == 0x20 || code == 0x80 || code == 0xC0) EXPECT_EQ(lit, 0) << name << " code " << code;
    else EXPECT_GT(lit, 3) << name << " code " << code;
  }
}

INSTANTIATE_TEST_SUITE_P(Carried, RenderedGlyphs, ::testing::Values("CHRGENS1", "CHRGENS2", "CHRGENS3"));

TEST(DebuggerFont, SixtyFourGlyphsOfZeroOrOne) {
  const auto font = FindEmbeddedResource("FIXEDSYS");
  ASSERT_EQ(font.size(), 64u * 64u);
  EXPECT_TRUE(std::ranges::all_of(font, [](uint8_t p) { return p <= 1; }));
  for (int glyph = 0; glyph < 64; ++glyph) {
    const auto pixels = font.subspan(64 * glyph, 64);
    const int lit = static_cast<int>(std::ranges::count(pixels, 1));
    if (glyph == 0) EXPECT_EQ(lit, 0) << "the space";
    else EXPECT_GT(lit, 3) << "code " << glyph + 0x20;
  }
}

}  // namespace
}  // namespace quillor
