// CTest runs every test case as its own process, several at once. A folder
// that a fixture fills for each case must therefore belong to one process,
// or one case truncates a file while another reads it.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace quillor::testing {

inline std::filesystem::path ProcessTempFolder(std::string_view name) {
  const auto folder =
      std::filesystem::path(QUILLOR_TEST_TMP) / (std::string(name) + "-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace quillor::testing
