#include "cli/screen_text.h"

#include "machine/emulator.h"

namespace quillor::cli {

char ScreenCharacter(unsigned code) {
  if (code >= 0x80) {
    const unsigned pattern = code & 0x3F;
    return pattern == 0 ? ' ' : pattern == 0x3F ? '#' : '+';
  }
  if (code < 0x20 || code == 0x7F) return '?';
  return static_cast<char>(code);
}

std::string ScreenText(Emulator& emulator) {
  std::string text;
  for (int row = 0; row < 16; ++row) {
    std::string line;
    for (int column = 0; column < 64; ++column) {
      const auto address = static_cast<uint16_t>(kVideoStart + row * 64 + column);
      line += ScreenCharacter(emulator.PeekMemory(address));
    }
    line.erase(line.find_last_not_of(' ') + 1);
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace quillor::cli
