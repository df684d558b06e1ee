#include "storage/text_input.h"

#include <optional>
#include <utility>

#include "storage/file_bytes.h"

namespace quillor {

bool TextInput::Start(const std::string& path) {
  Stop();
  auto bytes = ReadFileBytes(path);
  if (!bytes) return false;
  StartWithText(std::move(*bytes));
  return true;
}

void TextInput::StartWithText(std::vector<uint8_t> bytes) {
  text_ = std::move(bytes);
  pos_ = 0;
  active_ = true;
}

void TextInput::Stop() {
  active_ = false;
  text_.clear();
  pos_ = 0;
}

void TextInput::TypeNextByte(CpuState& cpu) {
  if (pos_ >= text_.size()) {
    // The file is typed; the ROM now waits for a real key.
    Stop();
    return;
  }
  const uint8_t byte = text_[pos_++];
  cpu.A = (byte == 0x0A || byte >= 0x80) ? 0 : byte;
  cpu.PC = kKeyWaitAfterScan;
}

}  // namespace quillor
