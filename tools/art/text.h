// Text in the pictures, set in our own bitmap fonts so that every build
// draws the same pixels whatever fonts the build machine has.
#pragma once

#include <string>
#include <string_view>

#include "art/canvas.h"
#include "font_source.h"

namespace quillor::art {

struct PixelFont {
  tools::GlyphSet glyphs;
  int firstRow = 0;  // rows drawn: firstRow .. firstRow + rows - 1
  int rows = 0;
  int spacing = 1;         // dark columns between glyphs (fixed-cell fonts: 0)
  bool trimRight = false;  // fixed cells: drop the glyph's empty spacing column when measuring
};

// The character generator design for legends: its glyph cells rows 1-9.
bool LoadLegendFont(const std::string& path, PixelFont& font, std::string& error);
// The small proportional font, five rows high.
bool LoadSmallFont(const std::string& path, PixelFont& font, std::string& error);

// Text codes are bytes; "{up}", "{down}", "{left}", "{right}" stand for the
// arrow glyphs of the legend font.
std::string ExpandNames(std::string_view text);

int TextWidth(const PixelFont& font, std::string_view text, int scale = 1);
// Draws with the top of the font's first row at y.
void DrawText(Canvas& canvas, const PixelFont& font, std::string_view text, int x, int y, Rgb colour,
              int scale = 1);

}  // namespace quillor::art
