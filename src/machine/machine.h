// The machine record: the address space image and the small pieces of state
// that the bus decodes directly. Whether the colour board's picture is shown
// (ColourBoardDisplay) is kept by the colour board itself.
#pragma once

#include <array>
#include <cstdint>

namespace quillor {

inline constexpr uint16_t kVideoStart = 0x3C00;
inline constexpr int kVideoSize = 1024;
inline constexpr uint8_t kTimerInterrupt = 0x80;
inline constexpr uint8_t kDiskInterrupt = 0x40;

struct Machine {
  bool operator==(const Machine&) const = default;
  // 0x0000-0x2FFF main ROM, 0x3000-0x37FF second ROM, 0x3C00-0x3FFF video,
  // 0x4000-0xFFFF RAM. The bytes behind 0x3780-0x3BFF are never read.
  std::array<uint8_t, 65536> memory{};
  // One changed-flag per video byte, index = address - 0x3C00.
  std::array<uint8_t, kVideoSize> VideoDirtyMap{};
  // Bit n of row r is 1 while the key at row r, column n is held.
  std::array<uint8_t, 8> KeyboardMatrix{};
  int StepTStates = 0;
  // 0..4; -1 only while start-up forces a model change.
  int model = 1;
  bool UpperMemoryPresent = true;
  uint8_t interruptLatch = 0;
  // Active low: a bit is 0 while its direction or fire key is held.
  uint8_t joystick = 0xFF;
};

}  // namespace quillor
