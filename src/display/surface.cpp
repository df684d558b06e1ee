#include "display/surface.h"

#include <algorithm>
#include <cstring>

#include "display/bitmap_picture.h"
#include "display/whole_file.h"

namespace quillor {
namespace {

constexpr int kHostScreenBits = 24;
constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

bool Surface::SetSize(int width, int height, int bits) {
  if (bits == 0) bits = kHostScreenBits;
  if ((bits != 8 && bits != 24) || width <= 0 || height <= 0) return false;
  if (width == width_ && height == height_ && bits == bits_) return true;
  width_ = width;
  height_ = height;
  bits_ = bits;
  stride_ = (width * bits + 31) / 32 * 4;
  pixels_.assign(static_cast<size_t>(stride_) * height, 0);
  return true;
}

void Surface::SetPaletteEntry(int index, uint8_t red, uint8_t green, uint8_t blue) {
  if (index >= 0 && index < 256) pending_[index] = PaletteEntry{red, green, blue};
}

void Surface::ApplyPalette() {
  applied_ = pending_;
  ++paletteGeneration_;
}

void Surface::Clear(uint32_t value) {
  if (bits_ == 8) {
    std::fill(pixels_.begin(), pixels_.end(), static_cast<uint8_t>(value));
    return;
  }
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = Row(y);
    for (int x = 0; x < width_; ++x, p += 3) {
      p[0] = static_cast<uint8_t>(value);
      p[1] = static_cast<uint8_t>(value >> 8);
      p[2] = static_cast<uint8_t>(value >> 16);
    }
  }
}

void Surface::SetPixel(int x, int y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t red = static_cast<uint8_t>(colour >> 16), green = static_cast<uint8_t>(colour >> 8),
          blue = static_cast<uint8_t>(colour);
  if (bits_ == 24) {
    uint8_t* p = Row(y) + 3 * x;
    p[0] = blue;
    p[1] = green;
    p[2] = red;
    return;
  }
  int best = 0, bestDistance = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& e = applied_[i];
    int dr = e.red - red, dg = e.green - green, db = e.blue - blue;
    int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) best = i, bestDistance = distance;
  }
  Row(y)[x] = static_cast<uint8_t>(best);
}

uint32_t Surface::PixelColour(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  if (bits_ == 24) {
    const uint8_t* p = Row(y) + 3 * x;
    return static_cast<uint32_t>(p[2]) << 16 | p[1] << 8 | p[0];
  }
  const PaletteEntry& e = applied_[Row(y)[x]];
  return static_cast<uint32_t>(e.red) << 16 | e.green << 8 | e.blue;
}

void Surface::DrawFrom(const Surface& source, int destX, int destY, int width, int height, int srcX,
                       int srcY) {
  if (destX < 0) srcX -= destX, width += destX, destX = 0;
  if (destY < 0) srcY -= destY, height += destY, destY = 0;
  if (srcX < 0) destX -= srcX, width += srcX, srcX = 0;
  if (srcY < 0) destY -= srcY, height += srcY, srcY = 0;
  if (srcX >= source.width_ || srcY >= source.height_ || destX >= width_ || destY >= height_) return;
  width = std::min({width, source.width_ - srcX, width_ - destX});
  height = std::min({height, source.height_ - srcY, height_ - destY});
  if (width <= 0 || height <= 0) return;
  if (bits_ == source.bits_) {
    int bytes = bits_ / 8;
    for (int y = 0; y < height; ++y)
      std::memcpy(Row(destY + y) + destX * bytes, source.Row(srcY + y) + srcX * bytes,
                  static_cast<size_t>(width) * bytes);
    return;
  }
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetPixel(destX + x, destY + y, source.PixelColour(srcX + x, srcY + y));
}

void Surface::LoadFromBitmap(const BitmapPicture& picture) {
  // A surface of the same size and depth keeps its store; clear it so no
  // earlier pixels show through rows a picture might not cover.
  if (!SetSize(picture.width, picture.height, picture.bits)) return;
  size_t rowBytes = static_cast<size_t>(picture.width) * (picture.bits / 8);
  for (int y = 0; y < height_; ++y) std::memcpy(Row(y), picture.pixels.data() + y * rowBytes, rowBytes);
  if (bits_ == 8) {
    pending_ = picture.palette;
    ApplyPalette();
  }
}

std::vector<uint8_t> Surface::EncodeBitmapFile() const {
  const uint32_t paletteBytes = bits_ <= 8 ? 4u << bits_ : 0;
  const uint32_t pixelBytes = static_cast<uint32_t>(pixels_.size());
  const uint32_t offset = static_cast<uint32_t>(kFileHeaderBytes + kInfoHeaderBytes) + paletteBytes;
  std::vector<uint8_t> out;
  out.reserve(offset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + pixelBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderBytes);
  Put32(out, static_cast<uint32_t>(width_));
  Put32(out, static_cast<uint32_t>(height_));  // positive: rows bottom-up
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits_));
  Put32(out, 0);  // no compression
  Put32(out, pixelBytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);  // colours used: all 2^bits
  Put32(out, 0);
  for (uint32_t i = 0; i < paletteBytes / 4; ++i) {
    const PaletteEntry& e = applied_[i];
    out.insert(out.end(), {e.blue, e.green, e.red, 0});
  }
  for (int y = height_ - 1; y >= 0; --y) out.insert(out.end(), Row(y), Row(y) + stride_);
  return out;
}

bool Surface::SaveBitmapFile(const std::filesystem::path& path) const {
  return WriteWholeFile(path, EncodeBitmapFile());
}

}  // namespace quillor
