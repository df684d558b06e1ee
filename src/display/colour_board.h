// The colour graphics board and the ports around it.
//
// The board's 32 KB at 0x8000-0xFFFF hold a 256 x 256 picture of 16 colours
// as two bit planes (bank 0 at 0x8000, bank 1 at 0xC000), stored column by
// column: 0x8000 + 256 * byteColumn + row, four pixels a byte with bits 1-0
// the leftmost. Rows are drawn in pairs over three lines, the middle line in
// a blend of the two rows, so the 256 rows fill the 386-line panel. Each
// blend is a palette entry of its own (16 * below + above), computed when a
// palette port is written, so drawing needs no arithmetic.
//
// Ports: 0x80-0x83 four plain registers, 0xA0-0xAF the sixteen colours,
// 0xEC-0xEF the pixel overlay.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "display/frame_surfaces.h"
#include "display/pixel_overlay.h"

namespace quillor {

inline constexpr uint16_t kBoardBase = 0x8000;
inline constexpr uint16_t kBoardBankBytes = 0x4000;

class ColourBoard {
 public:
  ColourBoard(Surface& hires, PresentationState& presentation);

  static bool HandlesPort(uint8_t port) {
    return (port >= 0x80 && port <= 0x83) || (port >= 0xA0 && port <= 0xAF) ||
           PixelOverlay::HandlesPort(port);
  }
  uint8_t ReadPort(uint8_t port) const;
  void WritePort(uint8_t port, uint8_t value, std::span<uint8_t, kVideoBytes> videoDirtyMap);

  // Redraws the 8 x 3 block of the row pair `address` (0x8000-0xFFFF)
  // belongs to, from the 64 KB memory image.
  void HiresWrite(uint16_t address, const uint8_t* memory);
  // Draws the whole picture; the caller presents it.
  void RedrawHires(const uint8_t* memory);

  // The "&Enabled" item (checked at start) and the "&Toggle" item, whose
  // check mark is ColourBoardDisplay.
  bool Enabled() const { return enabled_; }
  bool ColourBoardDisplay() const { return display_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  void SetColourBoardDisplay(bool on) { display_ = on; }

  const PixelOverlay& Overlay() const { return overlay_; }
  PaletteEntry BoardColour(int n) const { return colours_[n]; }

 private:
  void WritePalettePort(int n, uint8_t value);

  Surface& hires_;
  PresentationState& presentation_;
  PixelOverlay overlay_;
  std::array<uint8_t, 4> registers_{};
  std::array<uint8_t, 16> paletteBytes_{};
  std::array<PaletteEntry, 16> colours_{};
  bool enabled_ = true;
  bool display_ = false;
};

// The colour a palette port byte selects: level 64 + low nibble on the
// channels of bits 6 (red), 5 (green), 4 (blue); bit 7 brightens every lit
// channel by 0x80.
PaletteEntry BoardColourOf(uint8_t value);

}  // namespace quillor
