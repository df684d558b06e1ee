// The documented-flags instruction exerciser, run through the CP/M shim.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "fakes/cpm_machine.h"

namespace quillor {
namespace {

constexpr int kExerciserGroups = 67;

TEST(InstructionExerciser, EveryZexdocGroupPasses) {
  const std::string path = std::string(QUILLOR_SHARED_DIR) + "/z80tests/zexdoc.com";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "exerciser not present: " << path;

  auto machine = std::make_unique<CpmMachine>();
  ASSERT_TRUE(machine->LoadProgram(path));
  ASSERT_TRUE(machine->Run()) << "did not end; output so far:\n" << machine->output;

  // Each group reports on one line: "<name>....  OK" or "<name>.... ERROR ...".
  int passed = 0;
  std::string failed;
  std::istringstream lines(machine->output);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "OK") == 0) ++passed;
    else if (line.find("ERROR") != std::string::npos) failed += "\n  " + line;
  }
  EXPECT_EQ(passed, kExerciserGroups) << "failing groups:" << failed << "\nfull output:\n" << machine->output;
  EXPECT_TRUE(failed.empty()) << "failing groups:" << failed;
}

}  // namespace
}  // namespace quillor
