// Runs the real quillor-cli binary as a user would, from a shell.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

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

inline size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace quillor::test
