// An off-screen picture of 8 or 24 bits per pixel that the core draws into
// and the host shows 1:1 on a panel.
//
// Rows are stored top-down (row 0 is the top line), each padded to a
// multiple of four bytes, so a host can wrap the memory as an image without
// copying. Files are written bottom-up, as the bitmap format wants.
//
// The colour table has two copies: SetPaletteEntry writes the pending one,
// ApplyPalette publishes it. Hosts and screenshots use the applied table, so
// a present between the two still shows the old colours.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quillor {

struct BitmapPicture;

struct PaletteEntry {
  uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const PaletteEntry&) const = default;
};

using ColourTable = std::array<PaletteEntry, 256>;

class Surface {
 public:
  Surface() = default;

  // Allocates the pixel store (cleared to 0) for a new size; the same size
  // and depth again keeps the pixels. Bits 0 means the host screen's depth,
  // which for us is always 24. Depths other than 8 and 24 are refused.
  bool SetSize(int width, int height, int bits);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Bits() const { return bits_; }
  int Stride() const { return stride_; }
  bool Empty() const { return pixels_.empty(); }

  uint8_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * stride_; }
  const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * stride_; }
  std::span<uint8_t> Pixels() { return pixels_; }
  std::span<const uint8_t> Pixels() const { return pixels_; }

  void SetPaletteEntry(int index, uint8_t red, uint8_t green, uint8_t blue);
  void ApplyPalette();
  const ColourTable& PendingPalette() const { return pending_; }
  const ColourTable& AppliedPalette() const { return applied_; }

  // Increases at every ApplyPalette, so a host that caches the colour table
  // knows when to take it again.
  uint32_t PaletteGeneration() const { return paletteGeneration_; }

  // Fills every pixel: an index on 8-bit surfaces, a 0xRRGGBB colour on
  // 24-bit ones.
  void Clear(uint32_t value);

  // Stores a 0xRRGGBB colour: blue, green, red on 24-bit surfaces; on 8-bit
  // ones the nearest colour of the applied table. Outside the picture it is
  // ignored.
  void SetPixel(int x, int y, uint32_t colour);

  // The 0xRRGGBB colour a present would show at (x, y); 0 outside.
  uint32_t PixelColour(int x, int y) const;

  // Copies a rectangle of another surface into this one, clipped to both.
  void DrawFrom(const Surface& source, int destX, int destY, int width, int height, int srcX, int srcY);

  // Takes size, depth, colours and pixels of a decoded picture. Pictures of
  // 8 bits and fewer become 8-bit surfaces with their table applied.
  void LoadFromBitmap(const BitmapPicture& picture);

  // Writes the surface as an uncompressed bitmap file. False when the file
  // could not be created or written completely; no partial file is left.
  bool SaveBitmapFile(const std::filesystem::path& path) const;

  // The exact bytes SaveBitmapFile writes.
  std::vector<uint8_t> EncodeBitmapFile() const;

 private:
  int width_ = 0, height_ = 0, bits_ = 0, stride_ = 0;
  std::vector<uint8_t> pixels_;
  ColourTable pending_{};
  ColourTable applied_{};
  uint32_t paletteGeneration_ = 0;
};

}  // namespace quillor
