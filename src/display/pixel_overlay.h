// The monochrome pixel overlay behind ports 0xEC-0xEF: a 64-column by
// 256-line map of six-pixel values, of which the first 192 lines lie over
// the text screen (12 per character row). The text renderer XORs the
// prepared pattern of a scan line onto the glyph row drawn there.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quillor {

inline constexpr int kOverlayColumns = 64;
inline constexpr int kOverlayLines = 256;
inline constexpr int kOverlayVisibleLines = 192;
inline constexpr size_t kVideoBytes = 1024;

// Like the glyph resampling, but bit 0 is the leftmost source pixel.
extern const std::array<std::array<uint8_t, 4>, 8> OverlayResampleTable;

class PixelOverlay {
 public:
  static bool HandlesPort(uint8_t port) { return port >= 0xEC && port <= 0xEF; }

  uint8_t ReadPort(uint8_t port) const;
  // Data writes mark the character cell under their scan line; switching the
  // overlay on or off marks every cell.
  void WritePort(uint8_t port, uint8_t value, std::span<uint8_t, kVideoBytes> videoDirtyMap);

  bool OverlayEnabled() const { return enabled_; }
  uint8_t Value(int column, int line) const { return memory_[column][line]; }
  // Eight levels for the cell column, pixel 0 in the lowest byte.
  uint64_t Pattern(int column, int line) const { return patterns_[column][line]; }

 private:
  int column_ = 0, line_ = 0;
  bool enabled_ = false;                                                         // OverlayEnabled
  uint8_t switchBit_ = 0;                                                        // last bit 0 written to 0xEF
  std::array<std::array<uint8_t, kOverlayLines>, kOverlayColumns> memory_{};     // PixelOverlay
  std::array<std::array<uint64_t, kOverlayLines>, kOverlayColumns> patterns_{};  // OverlayPatternTable
};

}  // namespace quillor
