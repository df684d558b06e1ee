#include "frontend/typed_text.h"

#include <string>

namespace quillor {
namespace {

constexpr uint8_t kEnter = 0x0D;

bool HasKey(uint8_t c) { return (c >= 0x20 && c <= 0x5A) || (c >= 0x60 && c <= 0x7A); }

// The bytes after the first of a UTF-8 sequence.
bool IsContinuation(uint8_t c) { return (c & 0xC0) == 0x80; }

}  // namespace

TypedText TextForTyping(std::string_view utf8) {
  TypedText result;
  result.bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<uint8_t>(utf8[i]);
    if (c == '\r') {
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
      result.bytes.push_back(kEnter);
    } else if (c == '\n') {
      result.bytes.push_back(kEnter);
    } else if (c == '\t') {
      result.bytes.push_back(' ');
    } else if (HasKey(c)) {
      result.bytes.push_back(c);
    } else if (!IsContinuation(c)) {
      ++result.skipped;
    }
  }
  return result;
}

std::string SkippedCharactersMessage(std::size_t skipped) {
  if (skipped == 1) return "1 character with no key on the machine was skipped.";
  return std::to_string(skipped) + " characters with no key on the machine were skipped.";
}

}  // namespace quillor
