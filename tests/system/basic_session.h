// A booted machine at the BASIC prompt, for tests that type lines and read
// the screen back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "system/running_machine.h"

namespace quillor::test {

inline constexpr int kRunFrames = 6000;

class Basic : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m.Boot()); }
  // Types the lines (each ends with a NEW LINE) and returns the screen.
  std::string Run(const std::string& lines) {
    std::string typed;
    for (const char c : lines) typed += c == '\n' ? '\r' : c;
    EXPECT_TRUE(m.Type(typed, kRunFrames));
    return m.Screen();
  }
  // Clears the screen, runs the program and returns what it printed: the
  // lines between RUN and READY.
  std::string Output(const std::string& program) {
    Run("NEW\n" + program + "CLS\n");
    const std::string screen = Run("RUN\n");
    const size_t from = screen.find(">RUN\n");
    const size_t to = screen.rfind("READY\n>");
    if (from == std::string::npos || to == std::string::npos || to < from) return "(no READY) " + screen;
    return screen.substr(from + 5, to - from - 5);
  }
  RunningMachine m;
};

}  // namespace quillor::test
