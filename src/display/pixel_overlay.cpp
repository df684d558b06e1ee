#include "display/pixel_overlay.h"

#include <algorithm>

namespace quillor {

const std::array<std::array<uint8_t, 4>, 8> OverlayResampleTable = {{
    {0, 0, 0, 0},
    {3, 1, 0, 0},
    {0, 2, 2, 0},
    {3, 3, 2, 0},
    {0, 0, 1, 3},
    {3, 1, 1, 3},
    {0, 2, 3, 3},
    {3, 3, 3, 3},
}};

namespace {

uint64_t PatternOf(uint8_t value) {
  uint64_t word = 0;
  const auto& left = OverlayResampleTable[value & 7];
  const auto& right = OverlayResampleTable[(value >> 3) & 7];
  for (int i = 0; i < 4; ++i) {
    word |= uint64_t{left[i]} << (8 * i);
    word |= uint64_t{right[i]} << (8 * (4 + i));
  }
  return word;
}

}  // namespace

uint8_t PixelOverlay::ReadPort(uint8_t port) const {
  switch (port) {
    case 0xEC: return static_cast<uint8_t>(memory_[column_][line_] + (enabled_ ? 0x40 : 0));
    case 0xED: return static_cast<uint8_t>(column_);
    case 0xEE: return static_cast<uint8_t>(line_);
    case 0xEF: return switchBit_;
    default: return 0xFF;
  }
}

void PixelOverlay::WritePort(uint8_t port, uint8_t value, std::span<uint8_t, kVideoBytes> videoDirtyMap) {
  switch (port) {
    case 0xEC:
      memory_[column_][line_] = value & 0x3F;
      patterns_[column_][line_] = PatternOf(value);
      if (line_ < kOverlayVisibleLines) videoDirtyMap[(line_ / 12) * 64 + column_] = 1;
      break;
    case 0xED: column_ = value & 0x3F; break;
    case 0xEE: line_ = value; break;
    case 0xEF: {
      switchBit_ = value & 1;
      bool on = switchBit_ != 0;
      if (on != enabled_) std::fill(videoDirtyMap.begin(), videoDirtyMap.end(), uint8_t{1});
      enabled_ = on;
      break;
    }
    default: break;
  }
}

}  // namespace quillor
