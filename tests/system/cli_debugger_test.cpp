// The runner's debugger options as a user runs them.
#include <gtest/gtest.h>

#include <string>

#include "system/run_cli.h"

namespace {

using quillor::test::RunCli;
using Result = quillor::test::CliResult;

std::string Line(const std::string& text, int n) {
  size_t start = 0;
  for (int i = 0; i < n; ++i) start = text.find('\n', start) + 1;
  return text.substr(start, text.find('\n', start) - start);
}

TEST(CliDebugger, DisassemblesAsTheDebuggerShowsIt) {
  const Result r = RunCli("--poke 4000 3E FF DD 36 05 2A C9 --disassemble 4000 3");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(Line(r.out, 0), "4000  3E FF        LD      A,0FFH");
  EXPECT_EQ(Line(r.out, 1), "4002  DD 36 05 2A  LD      (IX+05H),2AH");
  EXPECT_EQ(Line(r.out, 2), "4006  C9           RET");
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
}

TEST(CliDebugger, TheBuiltInRomStartsAndStopsInTheKeyWait) {
  Result r = RunCli("--disassemble 0000 40");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 40);
  EXPECT_EQ(r.out.substr(0, 6), "0000  ");
  r = RunCli("--break 0049 --registers");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(" PC=0049 "), std::string::npos) << r.out;
}

TEST(CliDebugger, StepsABreakAndTheDumpOnAPokedProgram) {
  // 5000: LD A,41H / LD (3C00H),A / INC B / JR 5005H
  const std::string program =
      "--poke 5000 3E 41 32 00 3C 04 18 FD --set-register PC 5000 --set-register B 0 ";
  Result r = RunCli(program + "--step 2 --registers --memory 3C00 17");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(Line(r.out, 0).find("AF=41"), std::string::npos) << r.out;
  EXPECT_NE(Line(r.out, 0).find(" PC=5005 "), std::string::npos) << r.out;
  EXPECT_EQ(Line(r.out, 1).substr(0, 8), "3C00 41 ");
  EXPECT_EQ(Line(r.out, 1).size(), 69u);
  EXPECT_EQ(Line(r.out, 1)[53], 'A');
  EXPECT_EQ(Line(r.out, 2).substr(0, 8), "3C10 20 ");
  EXPECT_EQ(Line(r.out, 2).substr(53), " ");

  // Stopping at the loop again and again: each --break runs it once more.
  r = RunCli(program + "--break 5005 --break 5005 --break 5005 --registers");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("BC=02"), std::string::npos) << r.out;  // INC B at 5005 ran twice
  EXPECT_NE(r.out.find(" PC=5005 "), std::string::npos) << r.out;
}

TEST(CliDebugger, ABreakThatIsNeverReachedFails) {
  const Result r = RunCli("--poke 5000 18 FE --set-register pc 0x5000 --timeout-frames 5 --break 6000");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("did not reach 6000 within 5 frames"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("PC is 5000"), std::string::npos) << r.out;
}

TEST(CliDebugger, BadArgumentsAreRefused) {
  for (const char* args :
       {"--poke 4000", "--poke 4000 123", "--poke 10000 00", "--set-register X 1", "--set-register A 100",
        "--memory 4000 x", "--break 12345", "--step -1", "--disassemble zz 3"}) {
    EXPECT_EQ(RunCli(args).status, 2) << args;
  }
}

}  // namespace
