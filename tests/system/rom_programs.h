// Small Z80 programs that exercise the built-in ROM's tape and disk entries,
// shared by the system tests.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "storage/disk_image_builder.h"

namespace quillor::test {

// Both tape programs start at 0x5000 and end in a JR $ at kTapeProgramEnd.
inline constexpr uint16_t kTapeProgramStart = 0x5000;
inline constexpr uint16_t kTapeProgramEnd = 0x5017;

// Records the 256 bytes at 0x5100 through 0264h after the leader and sync.
inline std::vector<uint8_t> TapeWriter() {
  return {
      0x3E, 0x00,        // 5000 LD A,0
      0xCD, 0x12, 0x02,  // 5002 CALL 0212h   cassette 0, motor on
      0xCD, 0x87, 0x02,  // 5005 CALL 0287h   leader and sync
      0x21, 0x00, 0x51,  // 5008 LD HL,5100h
      0x06, 0x00,        // 500B LD B,0       256 bytes
      0x7E,              // 500D LD A,(HL)
      0xCD, 0x64, 0x02,  // 500E CALL 0264h
      0x23,              // 5011 INC HL
      0x10, 0xF9,        // 5012 DJNZ 500Dh
      0xCD, 0xF8, 0x01,  // 5014 CALL 01F8h   motor off
      0x18, 0xFE,        // 5017 JR $
  };
}

// Finds the leader and sync and reads 256 bytes through 0235h to 0x5200.
inline std::vector<uint8_t> TapeReader() {
  return {
      0x3E, 0x00,        // 5000 LD A,0
      0xCD, 0x12, 0x02,  // 5002 CALL 0212h
      0xCD, 0x96, 0x02,  // 5005 CALL 0296h   find leader and sync
      0x21, 0x00, 0x52,  // 5008 LD HL,5200h
      0x06, 0x00,        // 500B LD B,0
      0xCD, 0x35, 0x02,  // 500D CALL 0235h
      0x77,              // 5010 LD (HL),A
      0x23,              // 5011 INC HL
      0x10, 0xF9,        // 5012 DJNZ 500Dh
      0xCD, 0xF8, 0x01,  // 5014 CALL 01F8h
      0x18, 0xFE,        // 5017 JR $
  };
}

// A plain 35-track disk whose boot sector prints `line` (with a NEW LINE)
// through the display entry and stays in a JR $ at kBootSectorEnd.
inline constexpr uint16_t kBootSectorEnd = 0x420E;
inline std::vector<uint8_t> BootDiskPrinting(std::string_view line) {
  std::vector<uint8_t> image = BuildPlainImage(35);
  std::vector<uint8_t> sector = {
      0x00,              // 4200 NOP: boot sectors start harmlessly
      0x21, 0x10, 0x42,  // 4201 LD HL,4210h
      0x7E,              // 4204 LD A,(HL)
      0xB7,              // 4205 OR A
      0x28, 0x06,        // 4206 JR Z,420Eh
      0xCD, 0x33, 0x00,  // 4208 CALL 0033h
      0x23,              // 420B INC HL
      0x18, 0xF6,        // 420C JR 4204h
      0x18, 0xFE,        // 420E JR $
  };
  sector.insert(sector.end(), line.begin(), line.end());
  sector.push_back(0x0D);
  sector.push_back(0x00);
  std::copy(sector.begin(), sector.end(), image.begin());
  return image;
}

}  // namespace quillor::test
