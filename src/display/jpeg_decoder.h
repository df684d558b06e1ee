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

// nullopt when the bytes are no JPEG or a damaged one; never reads past them.
std::optional<JpegPicture> DecodeJpeg(std::span<const uint8_t> bytes);

}  // namespace quillor
