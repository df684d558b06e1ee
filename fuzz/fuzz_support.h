// What the fuzz targets share: a scratch folder of this process, whole-file
// helpers, and a check that stops the run with a message when a promise to
// the user is broken (the sanitizers catch the memory errors).
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "broken promise: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

namespace quillor::fuzz {

inline std::filesystem::path Scratch() {
  static const std::filesystem::path folder = [] {
    const auto f = std::filesystem::temp_directory_path() / ("quillor-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(f);
    return f;
  }();
  return folder;
}

inline std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const auto path = Scratch() / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

}  // namespace quillor::fuzz
