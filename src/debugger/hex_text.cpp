#include "debugger/hex_text.h"

namespace quillor {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";
}

std::string HexByte(uint8_t value) { return {kDigits[value >> 4], kDigits[value & 0x0F]}; }

std::string HexWord(uint16_t value) {
  return HexByte(static_cast<uint8_t>(value >> 8)) + HexByte(static_cast<uint8_t>(value));
}

std::string OperandByte(uint8_t value) { return (value >= 0xA0 ? "0" : "") + HexByte(value) + "H"; }

std::string OperandWord(uint16_t value) { return (value >= 0xA000 ? "0" : "") + HexWord(value) + "H"; }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace quillor
