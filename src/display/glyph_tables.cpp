#include "display/glyph_tables.h"

#include <algorithm>

namespace quillor {

const std::array<ResampleRow, 8> ResampleTable = {{
    {0, 0, 0, 0},
    {0, 0, 1, 3},
    {0, 2, 2, 0},
    {0, 2, 3, 3},
    {3, 1, 0, 0},
    {3, 1, 1, 3},
    {3, 3, 2, 0},
    {3, 3, 3, 3},
}};

namespace {

// Four levels of one resampled triple, placed at byte `slot` (0 or 1 of an
// eight-pixel word).
uint64_t Quad(unsigned triple, int slot) {
  const ResampleRow& r = ResampleTable[triple & 7];
  uint64_t word = 0;
  for (int i = 0; i < 4; ++i) word |= uint64_t{r[i]} << (8 * (4 * slot + i));
  return word;
}

// Block-graphics codes keep the right block in bits 3-0 of a row; the
// narrow table samples bits 2-0 of it.
uint64_t NarrowRow(uint8_t code, uint8_t b) {
  unsigned right = code < 0x80 ? b >> 2 : b;
  return Quad(b >> 5, 0) | Quad(right, 1);
}

std::array<uint64_t, 2> WideRow(uint8_t code, uint8_t b) {
  if (code >= 0x80) b = static_cast<uint8_t>((b & 0xE0) | ((b & 0x0E) << 1));
  // Each of the six pixels in bits 7-2 doubled into twelve: s11..s0.
  unsigned s = 0;
  for (int bit = 7; bit >= 2; --bit) s = s << 2 | ((b >> bit) & 1) * 3u;
  return {Quad(s >> 9, 0) | Quad(s >> 6, 1), Quad(s >> 3, 0) | Quad(s, 1)};
}

}  // namespace

GlyphTables::GlyphTables() { Rebuild(); }

bool GlyphTables::Load(std::span<const uint8_t> generator, GeneratorVariant variant) {
  size_t wanted = variant == GeneratorVariant::SeriesOne ? kGeneratorBytes : kTextGeneratorBytes;
  // An incomplete image would show garbage glyphs; the ones loaded before stay.
  if (generator.size() < wanted) return false;
  std::copy_n(generator.begin(), wanted, image_.begin());
  // On the Series I and II machines codes 0x00-0x1F decode to the same
  // glyphs as 0x40-0x5F; the 64 model has glyphs of its own there.
  if (variant != GeneratorVariant::SixtyFour) std::copy_n(image_.begin() + 0x400, 0x200, image_.begin());
  Rebuild();
  return true;
}

void GlyphTables::Rebuild() {
  for (int code = 0; code < 256; ++code) {
    for (int row = 0; row < kGlyphRows; ++row) {
      uint8_t b = image_[code * kGeneratorRowsPerCode + row];
      narrow_[code][row] = NarrowRow(static_cast<uint8_t>(code), b);
      wide_[code][row] = WideRow(static_cast<uint8_t>(code), b);
    }
  }
}

}  // namespace quillor
