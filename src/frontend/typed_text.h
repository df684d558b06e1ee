// Text from the host (the clipboard, a text file) turned into the bytes the
// key-wait hook types. The machine's keyboard gives ASCII 32-90 (capitals,
// digits, signs and their shifted signs) and, with SHIFT, the lower-case
// letters 96-122; ENTER gives 13.
//
// Host line ends (CR LF, LF or CR) become one ENTER each and a tab a blank,
// so that a listing copied from a web page or saved on any system types one
// program line per line. Every other character is skipped and counted: the
// remaining control characters, [ \ ] ^ _ { | } ~ and everything outside
// ASCII (a UTF-8 sequence counts as one character).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

struct TypedText {
  std::vector<uint8_t> bytes;
  std::size_t skipped = 0;
};

TypedText TextForTyping(std::string_view utf8);

// "1 character with no key on the machine was skipped." and the plural.
std::string SkippedCharactersMessage(std::size_t skipped);

}  // namespace quillor
