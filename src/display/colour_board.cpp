#include "display/colour_board.h"

#include <cstring>

namespace quillor {

PaletteEntry BoardColourOf(uint8_t value) {
  auto level = static_cast<uint8_t>(64 + (value & 0x0F));
  auto channel = [&](int bit) -> uint8_t {
    if (!(value & (1 << bit))) return 0;
    return value & 0x80 ? static_cast<uint8_t>(level | 0x80) : level;
  };
  return PaletteEntry{channel(6), channel(5), channel(4)};
}

ColourBoard::ColourBoard(Surface& hires, PresentationState& presentation)
    : hires_(hires), presentation_(presentation) {}

uint8_t ColourBoard::ReadPort(uint8_t port) const {
  if (port >= 0x80 && port <= 0x83) return registers_[port - 0x80];
  if (port >= 0xA0 && port <= 0xAF) return paletteBytes_[port - 0xA0];
  return overlay_.ReadPort(port);
}

void ColourBoard::WritePort(uint8_t port, uint8_t value, std::span<uint8_t, kVideoBytes> videoDirtyMap) {
  if (port >= 0x80 && port <= 0x83) registers_[port - 0x80] = value;
  else if (port >= 0xA0 && port <= 0xAF) WritePalettePort(port - 0xA0, value);
  else overlay_.WritePort(port, value, videoDirtyMap);
}

void ColourBoard::WritePalettePort(int n, uint8_t value) {
  if (value == paletteBytes_[n]) return;
  paletteBytes_[n] = value;
  colours_[n] = BoardColourOf(value);
  // Only the blends with colour n above are refreshed; those with n below
  // were made when the other colour's port was written.
  for (int i = 0; i < 16; ++i) {
    const PaletteEntry& a = colours_[n];
    const PaletteEntry& b = colours_[i];
    hires_.SetPaletteEntry(16 * i + n, static_cast<uint8_t>((a.red + b.red) / 2),
                           static_cast<uint8_t>((a.green + b.green) / 2),
                           static_cast<uint8_t>((a.blue + b.blue) / 2));
  }
  hires_.ApplyPalette();
}

void ColourBoard::HiresWrite(uint16_t address, const uint8_t* memory) {
  unsigned a = address & 0x3FFE;
  int column = static_cast<int>(a >> 8);
  int pair = static_cast<int>((a & 0xFF) / 2);
  uint8_t e0 = memory[kBoardBase + a], o0 = memory[kBoardBase + a + 1];
  uint8_t e1 = memory[kBoardBase + kBoardBankBytes + a];
  uint8_t o1 = memory[kBoardBase + kBoardBankBytes + a + 1];
  uint64_t top = 0, middle = 0, bottom = 0;
  for (int p = 0; p < 4; ++p) {
    int shift = 2 * p;
    unsigned g = 4 * ((e1 >> shift) & 3) + ((e0 >> shift) & 3);
    unsigned h = 4 * ((o1 >> shift) & 3) + ((o0 >> shift) & 3);
    // Each board pixel is two screen pixels wide.
    uint64_t twice = uint64_t{0x0101} << (16 * p);
    top |= twice * (17 * g);
    middle |= twice * (16 * h + g);
    bottom |= twice * (17 * h);
  }
  int x = 8 * column;
  std::memcpy(hires_.Row(3 * pair) + x, &top, 8);
  std::memcpy(hires_.Row(3 * pair + 1) + x, &middle, 8);
  std::memcpy(hires_.Row(3 * pair + 2) + x, &bottom, 8);
  presentation_.ScreenChanged = true;
}

void ColourBoard::RedrawHires(const uint8_t* memory) {
  // Both addresses of a row pair draw the same block, so one per pair will do.
  for (unsigned a = kBoardBase; a < kBoardBase + kBoardBankBytes; a += 2)
    HiresWrite(static_cast<uint16_t>(a), memory);
}

}  // namespace quillor
