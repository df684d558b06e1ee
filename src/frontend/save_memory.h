// Saving a range of memory as a machine-code cassette image, in the tape
// format the machine's SYSTEM loader and our program loader read:
//   255 x 0x00 leader, 0xA5 sync, 0x55, six name bytes (upper case, padded
//   with blanks), blocks of 0x3C, count (0 = 256), load address, data and
//   checksum (8-bit sum of the two address bytes and the data), and the entry
//   block 0x78 with the start address. All words little-endian.
// The range is From up to but not including To; with From at or above To one
// block holds the single byte at From.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

// Reads the machine's memory without side effects (an uncounted bus read).
using PeekFunction = std::function<uint8_t(uint16_t address)>;

// Four hex digits, optionally after "0x" (lower-case x); characters after the
// fourth digit are ignored. Returns 0x0000-0xFFFF, or -1 and sets inputError.
int32_t TestHex(std::string_view text, bool& inputError);

// The name a file gets on tape: the first six characters of its file name,
// without the extension that may be among them, upper case, blank-padded.
std::string TapeProgramName(const std::string& path);

// The chosen file name with its extension replaced by ".cas".
std::string SaveMemoryFileName(const std::string& chosen);

std::vector<uint8_t> BuildMemoryTape(std::string_view name, uint16_t from, uint16_t to, uint16_t start,
                                     const PeekFunction& peek);

// Writes the image to SaveMemoryFileName(chosen), named after that file.
// Returns the path written, or an empty string when the file could not be
// created or written.
std::string SaveMemoryToCassette(const std::string& chosen, uint16_t from, uint16_t to, uint16_t start,
                                 const PeekFunction& peek);

}  // namespace quillor
