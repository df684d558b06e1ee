// Reading a JPEG back into pixels, for the checks and review tools that look
// at the pictures we write (screenshots) and carry (the monitor front).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quillor {

struct JpegPicture {
  int width = 0, height = 0;
  int components = 0;  // 3 for colour pictures (pixels in R, G, B order), 1 for grey
  bool progressive = false;
  std::vector<uint8_t> pixels;  // top row first, components bytes a pixel
};

// Far beyond any screenshot or picture of ours (the largest are about a
// megapixel): a header declaring more is refused before any pixel memory is
// taken, so a few hostile bytes cannot ask for gigabytes.
inline constexpr int kMaxJpegPixels = 4096 * 4096;

// nullopt when the bytes are no JPEG or a damaged one, declare more than
// kMaxJpegPixels, or hold a colour space other than grey or colour (CMYK
// pictures are refused); never reads past them.
std::optional<JpegPicture> DecodeJpeg(std::span<const uint8_t> bytes);

}  // namespace quillor
