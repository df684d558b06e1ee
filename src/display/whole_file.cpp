#include "display/whole_file.h"

#include <fstream>
#include <system_error>

namespace quillor {

bool WriteWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  bool written = false;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    written = !file.fail();
  }
  if (!written) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return written;
}

}  // namespace quillor
