// Hexadecimal text as the debugger writes it: upper-case digits, most
// significant first, and the assembler's operand notation with its "H" suffix.
#pragma once

#include <cstdint>
#include <string>

namespace quillor {

// Two digits.
std::string HexByte(uint8_t value);
// Four digits, high byte first.
std::string HexWord(uint16_t value);
// An operand in assembler notation: "3EH", "0FFH" (a leading 0 keeps a number
// that starts with a letter from reading as a name).
std::string OperandByte(uint8_t value);
std::string OperandWord(uint16_t value);

// The value of a hexadecimal digit character, or -1.
int HexDigitValue(char c);

}  // namespace quillor
