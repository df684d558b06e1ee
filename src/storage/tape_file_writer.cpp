#include "storage/tape_file_writer.h"

namespace quillor {

namespace {

std::string PartName(const std::string& path) { return path + ".part"; }

}  // namespace

bool TapeFileWriter::Create(const std::string& path) {
  Close();
  file_ = std::fopen(PartName(path).c_str(), "wb");
  path_ = path;
  failed_ = false;
  return file_ != nullptr;
}

bool TapeFileWriter::Write(std::span<const uint8_t> bytes) {
  if (file_ == nullptr) return false;
  if (bytes.empty()) return true;
  // Flushed at once, so that a full disk shows here and not only at the close.
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() && std::fflush(file_) == 0;
  failed_ = failed_ || !written;
  return written;
}

void TapeFileWriter::Close() {
  if (file_ == nullptr) return;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  const std::string part = PartName(path_);
  if (failed_ || !closed || std::rename(part.c_str(), path_.c_str()) != 0) std::remove(part.c_str());
}

}  // namespace quillor
