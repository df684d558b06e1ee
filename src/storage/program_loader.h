// Putting a program file straight into memory.
//
// Three kinds of file are recognised by their first non-zero byte:
//   0x01-0x1F  a disk machine-code file (.cmd): records of type, length, body
//              (type 1 data at an address, type 2 the entry address, others
//              skipped), parsed from offset 0;
//   0xA5/0x55  a tape image (.cas) of a machine-code program: leader, sync,
//              0x55, six name bytes, blocks 0x3C (count, address, data,
//              checksum) and an entry block 0x78;
//   0xA5 0xD3 0xD3 0xD3 name, or 0xFF: a BASIC program (tape or disk form),
//              copied to the start of the BASIC text, after which the ROM's
//              line relink at 0x1AE9 is entered with DE = that start.
//
// Loaded bytes are stored directly into the memory image (no bus rules, no
// video dirty marks: the caller redraws the screen). They only ever land in
// RAM and video memory, 0x3C00-0xFFFF: a block reaching below 0x3C00 or past
// 0xFFFF is cut there, so a bad file can neither overwrite the ROM image nor
// wrap around into it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "cpu/cpu_state.h"

namespace quillor {

inline constexpr int32_t kNotAProgram = -1;
inline constexpr int32_t kBasicProgram = -2;

inline constexpr uint16_t kLowestLoadAddress = 0x3C00;
inline constexpr uint16_t kBasicTextStartPointer = 0x40A4;
inline constexpr uint16_t kBasicTextEndPointer = 0x40F9;
inline constexpr uint16_t kBasicRelinkEntry = 0x1AE9;

using MemoryImage = std::span<uint8_t, 0x10000>;

// Parses file (the bytes of a program file). Returns the entry address of a
// machine-code program (already in memory), kBasicProgram for a BASIC program
// (loaded, DE and PC set, unless probing), kNotAProgram when the bytes are no
// program. A machine-code file without an entry leaves its data in memory and
// still returns kNotAProgram. With probe a BASIC program is recognised but not
// loaded; machine code is loaded either way.
int32_t LoadProgramImage(std::span<const uint8_t> file, bool probe, MemoryImage memory, CpuState& cpu);

// The same for a file on disk; kNotAProgram when it cannot be read.
int32_t LoadProgramFile(const std::string& path, bool probe, MemoryImage memory, CpuState& cpu);

}  // namespace quillor
