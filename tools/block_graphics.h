// The block graphics of codes 0x80-0xFF: a cell of 2 columns x 3 bands of
// four rows. Code bit 0 lights the top-left block, bit 1 top-right, bit 2
// middle-left, bit 3 middle-right, bit 4 bottom-left, bit 5 bottom-right;
// bit 6 changes nothing. The left block is the row byte's high nibble, the
// right block its low nibble; rows 12-15 stay dark.
#pragma once

#include <cstdint>

namespace quillor::tools {

constexpr uint8_t BlockGraphicsRow(int code, int row) {
  if (row < 0 || row >= 12) return 0;
  const int band = row / 4;
  const bool left = (code >> (2 * band)) & 1;
  const bool right = (code >> (2 * band + 1)) & 1;
  return static_cast<uint8_t>((left ? 0xF0 : 0) | (right ? 0x0F : 0));
}

}  // namespace quillor::tools
