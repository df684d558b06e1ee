// Singles in the ROM's format and a driver program that puts a table of
// them through a ROM routine: per case eight bytes, BCDE (E D C B) and then
// the ACC; the routine is called with both and the ACC comes back over the
// second four bytes.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace quillor::test {

constexpr uint16_t kDriver = 0x5000;
constexpr uint16_t kTable = 0x6000;
constexpr uint16_t kCount = 0x5FFE;

struct Single {
  uint8_t bytes[4];
};

inline double Value(const Single& s) {
  if (s.bytes[3] == 0) return 0.0;
  const uint32_t mantissa = s.bytes[0] | s.bytes[1] << 8 | (s.bytes[2] | 0x80) << 16;
  const double v = std::ldexp(static_cast<double>(mantissa), s.bytes[3] - 128 - 24);
  return (s.bytes[2] & 0x80) ? -v : v;
}

// The single nearest to x (which must lie in the single's range).
inline Single NearestSingle(long double x) {
  if (x == 0) return Single{{0, 0, 0, 0}};
  int e;
  const long double f = std::frexp(std::fabs(x), &e);
  uint32_t mantissa = uint32_t(std::nearbyint(std::ldexp(f, 24)));
  if (mantissa == 1u << 24) {
    mantissa >>= 1;
    ++e;
  }
  const uint8_t top = uint8_t((mantissa >> 16 & 0x7F) | (x < 0 ? 0x80 : 0));
  return Single{{uint8_t(mantissa), uint8_t(mantissa >> 8), top, uint8_t(e + 128)}};
}

// Loops over the table: BCDE and the ACC from it, CALL routine, the ACC back.
inline std::vector<uint8_t> Driver(uint16_t routine) {
  // clang-format off
  return {
      0xDD, 0x21, 0x00, 0x60,                    // 5000 LD IX,6000h
      0xDD, 0x5E, 0x00, 0xDD, 0x56, 0x01,        // 5004 LD E,(IX+0) / LD D,(IX+1)
      0xDD, 0x4E, 0x02, 0xDD, 0x46, 0x03,        // 500A LD C,(IX+2) / LD B,(IX+3)
      0xDD, 0x6E, 0x04, 0xDD, 0x66, 0x05,        // 5010 LD L,(IX+4) / LD H,(IX+5)
      0x22, 0x21, 0x41,                          // 5016 LD (4121h),HL
      0xDD, 0x6E, 0x06, 0xDD, 0x66, 0x07,        // 5019 LD L,(IX+6) / LD H,(IX+7)
      0x22, 0x23, 0x41,                          // 501F LD (4123h),HL
      0x3E, 0x04, 0x32, 0xAF, 0x40,              // 5022 LD A,4 / LD (40AFh),A
      0xDD, 0xE5,                                // 5027 PUSH IX
      0xCD, uint8_t(routine), uint8_t(routine >> 8),  // 5029 CALL routine
      0xDD, 0xE1,                                // 502C POP IX
      0x2A, 0x21, 0x41,                          // 502E LD HL,(4121h)
      0xDD, 0x75, 0x04, 0xDD, 0x74, 0x05,        // 5031 LD (IX+4),L / LD (IX+5),H
      0x2A, 0x23, 0x41,                          // 5037 LD HL,(4123h)
      0xDD, 0x75, 0x06, 0xDD, 0x74, 0x07,        // 503A LD (IX+6),L / LD (IX+7),H
      0x11, 0x08, 0x00, 0xDD, 0x19,              // 5040 LD DE,8 / ADD IX,DE
      0x2A, 0xFE, 0x5F, 0x2B, 0x22, 0xFE, 0x5F,  // 5045 LD HL,(5FFEh) / DEC HL / LD (5FFEh),HL
      0x7C, 0xB5, 0x20, 0xB4,                    // 504C LD A,H / OR L / JR NZ,5004h
      0x18, 0xFE,                                // 5050 JR $
  };
  // clang-format on
}
constexpr uint16_t kDriverEnd = 0x5050;

}  // namespace quillor::test
