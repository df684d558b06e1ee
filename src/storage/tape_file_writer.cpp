#include "storage/tape_file_writer.h"

namespace quillor {

bool TapeFileWriter::Create(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  return file_ != nullptr;
}

bool TapeFileWriter::Write(std::span<const uint8_t> bytes) {
  if (file_ == nullptr) return false;
  if (bytes.empty()) return true;
  return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

void TapeFileWriter::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

}  // namespace quillor
