// Text pasted from the clipboard or typed with the runner's --type-file:
// what is typed holds only bytes the machine's keyboard gives and ENTER, each
// input character either gives one byte or is counted as skipped, and a CR LF
// pair gives one ENTER.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frontend/typed_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillor;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TypedText typed = TextForTyping(text);
  size_t pairs = 0, continuations = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++pairs;
    if ((data[i] & 0xC0) == 0x80) ++continuations;
  }
  FUZZ_CHECK(typed.bytes.size() + typed.skipped + pairs + continuations == size);
  for (const uint8_t b : typed.bytes) {
    const bool keyed = (b >= 0x20 && b <= 0x5A) || (b >= 0x60 && b <= 0x7A);
    FUZZ_CHECK(keyed || b == 0x0D);
  }
  return 0;
}
