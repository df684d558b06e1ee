#include "cli/typing.h"

#include <cstring>

#include "machine/emulator.h"

namespace quillor::cli {
namespace {

constexpr MatrixKey kShift{7, 0x01};
constexpr MatrixKey kNewLine{6, 0x01};
constexpr MatrixKey kClear{6, 0x02};
constexpr MatrixKey kBreak{6, 0x04};
constexpr MatrixKey kUpArrow{6, 0x08};
constexpr MatrixKey kSpace{6, 0x80};

MatrixKey Bit(int row, int column) { return MatrixKey{row, static_cast<uint8_t>(1 << column)}; }

std::optional<KeyChord> ChordFor(char c) {
  if (c >= 'A' && c <= 'Z') return KeyChord{Bit((c - '@') / 8, (c - '@') % 8), false};
  if (c >= 'a' && c <= 'z') return KeyChord{Bit((c - '`') / 8, (c - '`') % 8), true};
  if (c == '@') return KeyChord{Bit(0, 0), false};
  if (c >= '0' && c <= '9') return KeyChord{Bit(4 + (c - '0') / 8, (c - '0') % 8), false};
  if (c == ' ') return KeyChord{kSpace, false};
  // The up arrow key gives the power sign (5Bh, shown as an arrow).
  if (c == '^') return KeyChord{kUpArrow, false};
  // Row 5 from column 2: the sign keys, and with SHIFT the signs above them;
  // row 4 with SHIFT: the signs above 1-7, then row 5 for ( and ).
  static constexpr char kSigns[] = ":;,-./";
  static constexpr char kShiftedSigns[] = "*+<=>?";
  static constexpr char kShiftedDigits[] = "!\"#$%&'()";
  if (const char* p = std::strchr(kSigns, c); p && c) return KeyChord{Bit(5, 2 + int(p - kSigns)), false};
  if (const char* p = std::strchr(kShiftedSigns, c); p && c)
    return KeyChord{Bit(5, 2 + int(p - kShiftedSigns)), true};
  if (const char* p = std::strchr(kShiftedDigits, c); p && c) {
    const int digit = 1 + int(p - kShiftedDigits);
    return KeyChord{Bit(4 + digit / 8, digit % 8), true};
  }
  return std::nullopt;
}

void RunFrames(Emulator& emulator, int frames) {
  for (int i = 0; i < frames; ++i) emulator.Timer1Timer();
}

}  // namespace

TypedKeys KeysForText(std::string_view text) {
  TypedKeys result;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      const char e = text[++i];
      if (e == 'n') result.chords.push_back({kNewLine, false});
      else if (e == 'b') result.chords.push_back({kBreak, false});
      else if (e == 'c') result.chords.push_back({kClear, false});
      else {
        result.error = std::string("--type: unknown escape '\\") + e + "' (known: \\n \\b \\c)";
        return result;
      }
      continue;
    }
    if (c == '\n') {
      result.chords.push_back({kNewLine, false});
      continue;
    }
    const auto chord = ChordFor(c);
    if (!chord) {
      result.error = std::string("--type: the machine has no key for '") + c + "'";
      return result;
    }
    result.chords.push_back(*chord);
  }
  return result;
}

void TypeKeys(Emulator& emulator, const std::vector<KeyChord>& chords) {
  auto& matrix = emulator.machine.KeyboardMatrix;
  for (const KeyChord& chord : chords) {
    if (chord.shift) matrix[kShift.row] |= kShift.bit;
    matrix[chord.key.row] |= chord.key.bit;
    RunFrames(emulator, kHoldFrames);
    matrix[chord.key.row] &= static_cast<uint8_t>(~chord.key.bit);
    if (chord.shift) matrix[kShift.row] &= static_cast<uint8_t>(~kShift.bit);
    RunFrames(emulator, kReleaseFrames);
  }
}

}  // namespace quillor::cli
