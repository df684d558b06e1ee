#include "display/bitmap_picture.h"

#include <algorithm>
#include <cstring>

namespace quillor {
namespace {

constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr size_t kFileHeaderSize = 14;

uint16_t Read16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
uint32_t Read32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
         static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

struct Header {
  int width = 0, height = 0;
  bool topDown = false;
  int bits = 0;
  uint32_t compression = 0;
  uint32_t coloursUsed = 0;
  size_t infoSize = 0;
  size_t pixelOffset = 0;
};

std::optional<Header> ReadHeader(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderSize + 40 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  Header h;
  h.pixelOffset = Read32(file, 10);
  h.infoSize = Read32(file, 14);
  // 40 is the classic header; 52, 56, 108 and 124 extend it and keep its
  // first 40 bytes.
  if (h.infoSize < 40 || h.infoSize > file.size() - kFileHeaderSize) return std::nullopt;
  auto width = static_cast<int32_t>(Read32(file, 18));
  auto height = static_cast<int32_t>(Read32(file, 22));
  if (Read16(file, 26) != 1) return std::nullopt;
  h.bits = Read16(file, 28);
  h.compression = Read32(file, 30);
  h.coloursUsed = Read32(file, 46);
  if (width <= 0 || width > kMaxBitmapSide || height == 0 || height < -kMaxBitmapSide ||
      height > kMaxBitmapSide)
    return std::nullopt;
  h.width = width;
  h.topDown = height < 0;
  h.height = h.topDown ? -height : height;
  bool known = (h.compression == kCompressionNone && (h.bits == 8 || h.bits == 24)) ||
               (h.compression == kCompressionRle8 && h.bits == 8 && !h.topDown) ||
               (h.compression == kCompressionRle4 && h.bits == 4 && !h.topDown);
  if (!known || h.pixelOffset > file.size()) return std::nullopt;
  return h;
}

bool ReadColourTable(std::span<const uint8_t> file, const Header& h, BitmapPicture& picture) {
  if (h.bits > 8) return true;
  size_t count = h.coloursUsed != 0 ? h.coloursUsed : size_t{1} << h.bits;
  if (count > (size_t{1} << h.bits)) return false;
  size_t start = kFileHeaderSize + h.infoSize;
  if (start + 4 * count > h.pixelOffset) return false;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = file.data() + start + 4 * i;
    picture.palette[i] = PaletteEntry{e[2], e[1], e[0]};
  }
  return true;
}

bool ReadUncompressed(std::span<const uint8_t> data, const Header& h, BitmapPicture& picture) {
  size_t rowBytes = static_cast<size_t>(h.width) * h.bits / 8;
  size_t stride = (static_cast<size_t>(h.width) * h.bits + 31) / 32 * 4;
  // The last row need not carry its padding.
  if (data.size() < stride * (h.height - 1) + rowBytes) return false;
  for (int y = 0; y < h.height; ++y) {
    int stored = h.topDown ? y : h.height - 1 - y;
    std::memcpy(picture.pixels.data() + y * rowBytes, data.data() + stored * stride, rowBytes);
  }
  return true;
}

// Run-length pictures: pairs (count, index) repeat an index; (0, n) escapes
// to end of line (0), end of picture (1), a move (2, dx, dy) or n literal
// indices padded to a 16-bit boundary. RLE4 packs two indices per byte that
// alternate. Rows are bottom-up; pixels a run leaves out stay index 0.
bool ReadRunLength(std::span<const uint8_t> data, const Header& h, BitmapPicture& picture) {
  const bool four = h.compression == kCompressionRle4;
  int x = 0, row = 0;  // row counts from the bottom
  size_t at = 0;
  auto put = [&](uint8_t index) {
    if (x < h.width && row < h.height) picture.pixels[(h.height - 1 - row) * h.width + x] = index;
    x = std::min(x + 1, h.width);
  };
  while (at + 1 < data.size()) {
    uint8_t count = data[at], value = data[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i)
        put(four ? static_cast<uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      continue;
    }
    if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (at + 2 > data.size()) return false;
      x = std::min(x + data[at], h.width);
      row += data[at + 1];
      at += 2;
    } else {
      size_t bytes = four ? (value + 1) / 2 : value;
      if (at + bytes > data.size()) return false;
      for (int i = 0; i < value; ++i) {
        uint8_t b = data[at + (four ? i / 2 : i)];
        put(four ? static_cast<uint8_t>(i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
      }
      at += (bytes + 1) & ~size_t{1};
    }
    if (row >= h.height) return true;
  }
  // Data ended without the end-of-picture mark: keep what was decoded, as
  // viewers do.
  return true;
}

}  // namespace

std::optional<BitmapPicture> DecodeBitmap(std::span<const uint8_t> file) {
  std::optional<Header> h = ReadHeader(file);
  if (!h) return std::nullopt;
  BitmapPicture picture;
  picture.width = h->width;
  picture.height = h->height;
  picture.bits = h->bits == 24 ? 24 : 8;
  if (!ReadColourTable(file, *h, picture)) return std::nullopt;
  picture.pixels.assign(static_cast<size_t>(h->width) * h->height * (picture.bits / 8), 0);
  std::span<const uint8_t> data = file.subspan(h->pixelOffset);
  bool ok = h->compression == kCompressionNone ? ReadUncompressed(data, *h, picture)
                                               : ReadRunLength(data, *h, picture);
  if (!ok) return std::nullopt;
  return picture;
}

}  // namespace quillor
