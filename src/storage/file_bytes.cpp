#include "storage/file_bytes.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace quillor {

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > maxBytes) return std::nullopt;

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
  if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace quillor
