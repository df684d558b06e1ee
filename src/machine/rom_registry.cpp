#include "machine/rom_registry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <utility>

#include "resources/embedded_resources.h"

namespace quillor {
namespace {

constexpr std::array<std::pair<std::string_view, size_t>, 8> kImageSizes{{
    {"ROM12K", 12288},
    {"ROM12KS3", 12288},
    {"ROM2K", 2048},
    {"ROM2KS2", 2048},
    {"ROM2KS3", 2048},
    {"CHRGENS1", 4096},
    {"CHRGENS2", 2048},
    {"CHRGENS3", 2048},
}};

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

std::optional<size_t> RomRegistry::ExpectedSize(std::string_view name) {
  for (const auto& [imageName, size] : kImageSizes) {
    if (imageName == name) return size;
  }
  return std::nullopt;
}

std::span<const uint8_t> RomRegistry::Find(std::string_view name) const {
  if (const auto it = user_.find(name); it != user_.end()) return it->second;
  return FindEmbeddedResource(name);
}

std::vector<std::string> RomRegistry::LoadUserFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> problems;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) {
    problems.push_back("Cannot read the ROM folder " + folder + ": " + error.message() + ".");
    return problems;
  }
  std::vector<fs::path> files;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    if (it->is_regular_file(error)) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());  // a stable order when two files share a name
  for (const auto& path : files) {
    const std::string name = UpperCase(path.stem().string());
    const auto expected = ExpectedSize(name);
    if (!expected) continue;
    // The size is judged before anything is read: a huge file named like an
    // image costs neither time nor memory.
    const auto size = fs::file_size(path, error);
    std::vector<uint8_t> bytes;
    if (!error && size == *expected) {
      bytes.resize(size);
      std::ifstream file(path, std::ios::binary);
      file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
      // A file that shrank since its size was taken is not read in full.
      if (!file || file.gcount() != static_cast<std::streamsize>(size))
        error = std::make_error_code(std::errc::io_error);
    }
    if (error) {
      problems.push_back("Cannot read the ROM image " + path.string() + ".");
    } else if (size != *expected) {
      problems.push_back("The ROM image " + path.string() + " has " + std::to_string(size) + " bytes, but " +
                         name + " must have " + std::to_string(*expected) + " bytes; it is not used.");
    } else {
      user_[name] = std::move(bytes);
    }
  }
  return problems;
}

}  // namespace quillor
