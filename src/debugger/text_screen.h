// The debugger's picture: a 70 x 46 grid of character cells with attributes,
// drawn with the 8 x 8 debugger font into 560 x 378 pixels of palette
// indices. The grid is also what editing reads back.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

inline constexpr int kScreenColumns = 70;
inline constexpr int kScreenRows = 46;
inline constexpr int kPictureWidth = 560;
inline constexpr int kPictureHeight = 378;
inline constexpr int kAttributeCount = 10;
inline constexpr int kFrameColourIndex = 255;
// The debugger font: glyphs for 0x20-0x5F, 8 rows of 8 one-byte pixels.
inline constexpr int kFirstGlyph = 0x20;
inline constexpr int kLastGlyph = 0x5F;
inline constexpr int kGlyphBytes = 64;

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

class TextScreen {
 public:
  // The font may be short or empty (then glyphs draw as blanks).
  explicit TextScreen(std::span<const uint8_t> font);

  // Stores and draws each character with the attribute, from (column, row)
  // along the row; what runs past the last column is dropped.
  void Write(int column, int row, std::string_view text, int attribute);
  // Draws a cell in an attribute without storing it (the blinking cursor).
  void DrawCell(int column, int row, int attribute);
  // Draws a cell as stored.
  void RedrawCell(int column, int row) { DrawCell(column, row, Attribute(column, row)); }

  char Character(int column, int row) const { return cells_[Index(column, row)].character; }
  int Attribute(int column, int row) const { return cells_[Index(column, row)].attribute; }
  // `count` characters of a row from `column` on.
  std::string Text(int column, int row, int count) const;

  // Palette indices, row by row from the top, kPictureWidth per row.
  std::span<const uint8_t> Pixels() const { return pixels_; }
  uint8_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * kPictureWidth + x]; }
  const std::array<Rgb, 256>& Palette() const { return palette_; }

 private:
  struct Cell {
    char character = ' ';
    uint8_t attribute = 0;
  };
  static size_t Index(int column, int row) { return static_cast<size_t>(row) * kScreenColumns + column; }
  void DrawFrames();
  void DrawFrame(int x0, int y0, int x1, int y1);
  void SetPixel(int x, int y, uint8_t index);

  std::span<const uint8_t> font_;
  std::array<Cell, kScreenColumns * kScreenRows> cells_{};
  std::vector<uint8_t> pixels_;
  std::array<Rgb, 256> palette_{};
};

}  // namespace quillor
