// Runs the real quillor-cli binary as a user would, from a shell.
#pragma once

#include <sys/wait.h>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include "fakes/process_temp.h"

namespace quillor::test {

struct CliResult {
  int status;
  std::string out;  // standard output and error together
};

inline CliResult RunCommand(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  CliResult result{-1, ""};
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline CliResult RunCli(const std::string& args) { return RunCommand(std::string(QUILLOR_CLI) + " " + args); }

// A folder holding a main ROM that stores the given codes at the start of
// video memory, one LD A,n / LD (addr),A pair per code, then halts: for
// --rom-dir runs that must show exactly known cells.
inline std::string TopLineRomFolder(std::string_view name, std::span<const uint8_t> codes) {
  const auto folder = quillor::testing::ProcessTempFolder(name);
  std::string rom(12288, '\0');
  size_t at = 0;
  for (size_t i = 0; i < codes.size(); ++i) {
    const char pair[] = {'\x3E', static_cast<char>(codes[i]), '\x32', static_cast<char>(i), '\x3C'};
    for (char b : pair) rom[at++] = b;
  }
  rom[at] = '\x76';  // HALT
  std::ofstream(folder / "ROM12K.bin", std::ios::binary) << rom;
  return folder.string();
}

inline size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace quillor::test
