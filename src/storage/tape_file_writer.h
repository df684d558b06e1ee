// The file a recording goes to: created (truncated) when the user names it,
// written in whole buffers by the recorder, closed when the motor stops.
// A plain owner of one stdio stream; write errors are the caller's to ignore.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace quillor {

class TapeFileWriter {
 public:
  TapeFileWriter() = default;
  TapeFileWriter(const TapeFileWriter&) = delete;
  TapeFileWriter& operator=(const TapeFileWriter&) = delete;
  ~TapeFileWriter() { Close(); }

  // Closes any open file, then creates or truncates path. False if that fails.
  bool Create(const std::string& path);
  // True when every byte was handed to the file.
  bool Write(std::span<const uint8_t> bytes);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace quillor
