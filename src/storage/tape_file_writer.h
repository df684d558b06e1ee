// The file a recording goes to: created when the user names it, written in
// whole buffers by the recorder, closed when the motor stops. The bytes go to
// a temporary file beside it, renamed to the chosen name at the close when
// every byte was written; after a failed write (a full disk) the temporary
// file is removed and a file of the chosen name stays as it was.
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

  // Closes any open file, then creates path's temporary file. False if that fails.
  bool Create(const std::string& path);
  // True when every byte was handed to the file.
  bool Write(std::span<const uint8_t> bytes);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  bool failed_ = false;
};

}  // namespace quillor
