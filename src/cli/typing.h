// Typing text through the keyboard matrix, at a pace the ROM's keyboard scan
// follows: each key is held for kHoldFrames frames and then released for
// kReleaseFrames frames (6 frames, 0.24 s of machine time per key), with SHIFT
// held together with the keys that need it. Programs that read the matrix
// see these keys like real ones.
//
// Characters: A-Z and 0-9 as their keys; a-z as SHIFT and the letter (the
// machine's lower case); space; @ : ; , - . / and their shifted signs
// ! " # $ % & ' ( ) * + < = > ?. Escapes: \n NEW LINE, \b BREAK, \c CLEAR,
// \\ is refused (the keyboard has no such key).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "machine/keyboard.h"

namespace quillor {

class Emulator;

namespace cli {

inline constexpr int kHoldFrames = 3;
inline constexpr int kReleaseFrames = 3;

struct KeyChord {
  MatrixKey key;
  bool shift;
};

// The chords of text, or an error message naming the first character that
// has no key.
struct TypedKeys {
  std::vector<KeyChord> chords;
  std::string error;
};
TypedKeys KeysForText(std::string_view text);

// Presses and releases every chord, running frames meanwhile.
void TypeKeys(Emulator& emulator, const std::vector<KeyChord>& chords);

}  // namespace cli
}  // namespace quillor
