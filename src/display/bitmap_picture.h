// Reading Windows bitmap files (".BMP") into a plain picture.
//
// Accepted: uncompressed 24-bit and 8-bit pictures, run-length compressed
// 8-bit (RLE8) and 4-bit (RLE4) ones, stored bottom-up or top-down. Every
// field is checked against the bytes actually present; a picture that lies
// about its sizes is refused instead of read past its end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "display/surface.h"

namespace quillor {

struct BitmapPicture {
  int width = 0, height = 0;
  int bits = 0;  // 8 (indices into palette) or 24 (blue, green, red)
  ColourTable palette{};
  // Rows top-down, width * bits / 8 bytes each, no padding.
  std::vector<uint8_t> pixels;
};

// Pictures larger than this on either side are refused; nothing the program
// shows comes near it, and it keeps a hostile header from asking for
// gigabytes.
inline constexpr int kMaxBitmapSide = 8192;

std::optional<BitmapPicture> DecodeBitmap(std::span<const uint8_t> file);

}  // namespace quillor
