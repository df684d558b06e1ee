// The Z80 register file and the per-step prefix state.
#pragma once

#include <array>
#include <cstdint>

namespace quillor {

// Bits of F.
inline constexpr uint8_t kFlagS = 0x80;
inline constexpr uint8_t kFlagZ = 0x40;
inline constexpr uint8_t kFlag5 = 0x20;  // undocumented copy bit
inline constexpr uint8_t kFlagH = 0x10;
inline constexpr uint8_t kFlag3 = 0x08;  // undocumented copy bit
inline constexpr uint8_t kFlagPV = 0x04;
inline constexpr uint8_t kFlagN = 0x02;
inline constexpr uint8_t kFlagC = 0x01;

// Values of IndexSelect, which is also the position in IndexRegs.
inline constexpr uint8_t kSelectHL = 0;
inline constexpr uint8_t kSelectIX = 1;
inline constexpr uint8_t kSelectIY = 2;

struct CpuState {
  bool operator==(const CpuState&) const = default;
  uint8_t A = 0, F = 0;
  uint8_t B = 0, C = 0, D = 0, E = 0;
  // HL, IX and IY side by side, so that one handler serves all three: the
  // word that IndexSelect picks is the "HL slot" of the instruction.
  std::array<uint16_t, 3> IndexRegs{};
  uint16_t SP = 0, PC = 0;
  uint16_t AltAF = 0, AltBC = 0, AltDE = 0, AltHL = 0;
  uint8_t I = 0, R = 0;
  bool IFF1 = false, IFF2 = false;
  bool Halted = false;
  bool InterruptRequest = false;
  // Transient within one step.
  uint8_t IndexSelect = kSelectHL;
  int16_t Displacement = 0;

  uint16_t AF() const { return static_cast<uint16_t>(A << 8 | F); }
  uint16_t BC() const { return static_cast<uint16_t>(B << 8 | C); }
  uint16_t DE() const { return static_cast<uint16_t>(D << 8 | E); }
  uint16_t HL() const { return IndexRegs[kSelectHL]; }
  uint16_t IX() const { return IndexRegs[kSelectIX]; }
  uint16_t IY() const { return IndexRegs[kSelectIY]; }
  uint8_t H() const { return static_cast<uint8_t>(HL() >> 8); }
  uint8_t L() const { return static_cast<uint8_t>(HL()); }

  void SetAF(uint16_t v) {
    A = static_cast<uint8_t>(v >> 8);
    F = static_cast<uint8_t>(v);
  }
  void SetBC(uint16_t v) {
    B = static_cast<uint8_t>(v >> 8);
    C = static_cast<uint8_t>(v);
  }
  void SetDE(uint16_t v) {
    D = static_cast<uint8_t>(v >> 8);
    E = static_cast<uint8_t>(v);
  }
  void SetHL(uint16_t v) { IndexRegs[kSelectHL] = v; }
  void SetIX(uint16_t v) { IndexRegs[kSelectIX] = v; }
  void SetIY(uint16_t v) { IndexRegs[kSelectIY] = v; }
};

}  // namespace quillor
