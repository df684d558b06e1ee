// The 64 x 16 text screen as plain text.
//
// Each video byte is read back as the processor reads it (so on the 7-bit
// models codes 0x00-0x1F show as 0x40-0x5F) and printed as:
//   0x20-0x7E   the ASCII character itself (0x60-0x7E: lower case and the
//               signs the character set puts there)
//   0x00-0x1F   '?' (HT-1080Z/64 only: its own accented letters)
//   0x7F        '?'
//   0x80-0xFF   block graphics by their 2 x 3 pattern (the low six bits):
//               none lit ' ', all lit '#', any other '+'
// Trailing blanks of every line are dropped.
#pragma once

#include <string>

namespace quillor {

class Emulator;

namespace cli {

char ScreenCharacter(unsigned code);
// 16 lines, each ending with '\n'.
std::string ScreenText(Emulator& emulator);

}  // namespace cli
}  // namespace quillor
