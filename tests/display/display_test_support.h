// Small pictures and generator images that the display tests build for
// themselves.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "display/glyph_tables.h"
#include "display/surface.h"

namespace quillor::test {

// A generator whose text codes each carry a distinct row pattern
// (row k of code n = ((n + k + salt) << 2) & 0xFC), a blank space, code
// 0x41 a recognisable "A"-like glyph, and block graphics made by the machine's rule.
inline std::vector<uint8_t> MakeGenerator(size_t bytes, uint8_t salt = 0) {
  std::vector<uint8_t> g(bytes, 0);
  for (size_t code = 0; code < 128 && code * 16 < bytes; ++code)
    for (int k = 0; k < 12; ++k) g[code * 16 + k] = static_cast<uint8_t>(((code + k + salt) << 2) & 0xFC);
  for (int k = 0; k < 12; ++k) g[0x20 * 16 + k] = 0;  // space
  const uint8_t letter[12] = {0x00, 0x20, 0x50, 0x88, 0x88, 0xF8, 0x88, 0x88, 0x88, 0, 0, 0};
  for (int k = 0; k < 12; ++k) g[0x41 * 16 + k] = letter[k];
  if (bytes >= 4096) {
    for (int code = 0x80; code < 0x100; ++code) {
      for (int k = 0; k < 12; ++k) {
        int band = k / 4;
        uint8_t row = 0;
        if (code & (1 << (2 * band))) row |= 0xF0;
        if (code & (1 << (2 * band + 1))) row |= 0x0F;
        g[code * 16 + k] = row;
      }
    }
  }
  return g;
}

// The palette indices of `count` pixels of line y from x on.
inline std::vector<uint8_t> Pixels(const Surface& s, int x, int y, int count) {
  return std::vector<uint8_t>(s.Row(y) + x, s.Row(y) + x + count);
}

inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A bitmap file with a 40-byte header, `colours` palette entries (grey
// ramp) and the given pixel bytes exactly as they are to be stored.
inline std::vector<uint8_t> MakeBitmapFile(int width, int height, int bits, uint32_t compression, int colours,
                                           const std::vector<uint8_t>& data) {
  std::vector<uint8_t> f;
  uint32_t offset = 54 + 4 * colours;
  f.push_back('B');
  f.push_back('M');
  Put32(f, offset + static_cast<uint32_t>(data.size()));
  Put32(f, 0);
  Put32(f, offset);
  Put32(f, 40);
  Put32(f, static_cast<uint32_t>(width));
  Put32(f, static_cast<uint32_t>(height));
  Put16(f, 1);
  Put16(f, static_cast<uint32_t>(bits));
  Put32(f, compression);
  Put32(f, static_cast<uint32_t>(data.size()));
  Put32(f, 0);
  Put32(f, 0);
  Put32(f, static_cast<uint32_t>(colours));
  Put32(f, 0);
  for (int i = 0; i < colours; ++i) f.insert(f.end(), {uint8_t(i), uint8_t(i * 2), uint8_t(i * 3), 0});
  f.insert(f.end(), data.begin(), data.end());
  return f;
}

// An uncompressed 24-bit picture filled with one 0xRRGGBB colour, except
// pixel (1, 1) which gets `other`.
inline std::vector<uint8_t> MakeSolidPicture(int width, int height, uint32_t colour, uint32_t other) {
  int stride = (width * 3 + 3) / 4 * 4;
  std::vector<uint8_t> data(static_cast<size_t>(stride) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t c = (x == 1 && y == 1) ? other : colour;
      uint8_t* p = data.data() + (height - 1 - y) * stride + 3 * x;
      p[0] = static_cast<uint8_t>(c);
      p[1] = static_cast<uint8_t>(c >> 8);
      p[2] = static_cast<uint8_t>(c >> 16);
    }
  }
  return MakeBitmapFile(width, height, 24, 0, 0, data);
}

}  // namespace quillor::test
