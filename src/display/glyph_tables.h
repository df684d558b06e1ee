// The character generator image and the glyph tables prepared from it.
//
// The machine's generator gives six pixels per glyph row; the screen cell is
// eight pixels wide (sixteen in 32-column mode). Rather than dropping or
// doubling pixels unevenly, each row is resampled: every source pixel covers
// 4/3 of a screen pixel and a screen pixel's level (0-3) is three times the
// lit share it covers. The tables hold those levels as ready palette
// indices 0-3, one byte per screen pixel, so drawing a glyph row is a copy.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quillor {

inline constexpr int kGlyphRows = 12;  // rows 0-11 shown, 12-15 always blank
inline constexpr int kGeneratorRowsPerCode = 16;
inline constexpr size_t kGeneratorBytes = 4096;
inline constexpr size_t kTextGeneratorBytes = 2048;  // codes 0x00-0x7F only

// Index: three source pixels, bit 2 the leftmost. Value: four output levels.
using ResampleRow = std::array<uint8_t, 4>;
extern const std::array<ResampleRow, 8> ResampleTable;

enum class GeneratorVariant : int {
  SeriesOne = 0,  // "CHRGENS1", all 256 codes
  SeriesTwo = 1,  // "CHRGENS2", codes 0x00-0x7F
  SixtyFour = 2,  // "CHRGENS3", codes 0x00-0x7F with its own 0x00-0x1F
};

class GlyphTables {
 public:
  GlyphTables();

  // Copies a generator into the working image (4096 bytes for the first
  // variant, 2048 for the others, so codes 0x80-0xFF keep the block graphics
  // loaded before) and rebuilds both tables. A shorter image is refused
  // (false) and the working image kept.
  bool Load(std::span<const uint8_t> generator, GeneratorVariant variant);

  // 8 levels of glyph row `row` of `code`, pixel 0 in the lowest byte, so a
  // little-endian store puts the leftmost pixel first.
  uint64_t Narrow(uint8_t code, int row) const { return narrow_[code][row]; }
  // 16 levels: [0] the left eight pixels, [1] the right eight.
  const std::array<uint64_t, 2>& Wide(uint8_t code, int row) const { return wide_[code][row]; }

  std::span<const uint8_t, kGeneratorBytes> WorkingImage() const { return image_; }

 private:
  void Rebuild();

  std::array<uint8_t, kGeneratorBytes> image_{};
  std::array<std::array<uint64_t, kGlyphRows>, 256> narrow_{};               // NarrowGlyphTable
  std::array<std::array<std::array<uint64_t, 2>, kGlyphRows>, 256> wide_{};  // WideGlyphTable
};

}  // namespace quillor
