#include "display/whole_file.h"

#include <fstream>
#include <system_error>

namespace quillor {

bool WriteWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  // Written beside the target first and renamed over it only when complete,
  // so a full disk never leaves a half-written file in place of a good one.
  std::filesystem::path part = path;
  part += ".part";
  bool written = false;
  {
    std::ofstream file(part, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    written = !file.fail();
  }
  std::error_code error;
  if (written) std::filesystem::rename(part, path, error);
  if (!written || error) {
    std::filesystem::remove(part, error);
    return false;
  }
  return true;
}

}  // namespace quillor
