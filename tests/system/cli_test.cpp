#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fakes/process_temp.h"
#include "system/run_cli.h"

namespace {

namespace fs = std::filesystem;

using quillor::test::RunCli;
using Result = quillor::test::CliResult;

// "HI", a blank, then block graphics codes with none, all and one lit, and
// code 01, which reads back as 'A' on this model.
std::string TestRomFolder() {
  static constexpr uint8_t kCodes[] = {'H', 'I', ' ', 0x80, 0xBF, 0x81, 0x01};
  return quillor::test::TopLineRomFolder("cli_rom", kCodes);
}

TEST(Cli, PrintsTheScreenOfAMachineRunFromAUserRom) {
  const Result r = RunCli("--rom-dir " + TestRomFolder() + " --frames 100 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "HI  #+A");
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 16);
}

// The built-in ROM's BASIC runs a typed program to READY.
TEST(Cli, BuiltInBasicRunsATypedProgram) {
  const Result r =
      RunCli("--until READY --type '10 FOR I=1 TO 3:PRINT I;I*I/2:NEXT\\nRUN\\n' --frames 100 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(">RUN\n 1  .5\n 2  2\n 3  4.5\nREADY\n"), std::string::npos) << r.out;
}

TEST(Cli, UntilWaitsForTextAndFailsAfterItsBound) {
  const std::string roms = "--rom-dir " + TestRomFolder();
  EXPECT_EQ(RunCli(roms + " --until HI").status, 0);
  const Result r = RunCli(roms + " --timeout-frames 20 --until NEVER");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("within 20 frames"), std::string::npos) << r.out;
}

TEST(Cli, BadArgumentsAreRefusedBeforeAnythingRuns) {
  for (const char* args : {"--frames", "--frames -3", "--model 5", "--seconds soon", "--bogus",
                           "--type 'back\\\\slash'", "--type '~'"}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.out.find("quillor-cli: "), std::string::npos) << args << ": " << r.out;
  }
  EXPECT_EQ(RunCli("--help").status, 0);
}

TEST(Cli, AWrongSizedRomImageIsRefusedWithItsSize) {
  const fs::path folder = quillor::testing::ProcessTempFolder("cli_bad_rom");
  fs::create_directories(folder);
  std::ofstream(folder / "ROM2K", std::ios::binary) << std::string(100, 'x');
  const Result r = RunCli("--rom-dir " + folder.string() + " --frames 1");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("100 bytes"), std::string::npos) << r.out;
}

// LLIST's lines reach the file when the run ends, CR LF after each; the line
// still in the printer's buffer does not. At 132 columns nothing wraps.
TEST(Cli, PrinterFileHoldsTheCompletedLines) {
  const fs::path folder = quillor::testing::ProcessTempFolder("cli_printer");
  fs::create_directories(folder);
  const fs::path paper = folder / "paper.txt";
  const std::string line = "10 REM " + std::string(90, 'X');
  const Result r = RunCli("--printer " + paper.string() + " --print-width 132 --until READY --type '" + line +
                          "\\nLLIST\\n' --frames 200");
  ASSERT_EQ(r.status, 0) << r.out;
  std::ifstream file(paper, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, line + "\r\n");
  EXPECT_EQ(RunCli("--print-width 100").status, 2);
}

TEST(Cli, TypedKeysReachTheBuiltInCommandPrompt) {
  const Result r = RunCli("--until READY --type 'ABC, 1+2=3?\\n' --frames 10 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("ABC, 1+2=3?"), std::string::npos) << r.out;
}

// '^' is typed with the up arrow key, whose code (5Bh, shown here as '[')
// BASIC takes for the power sign.
TEST(Cli, CaretTypesThePowerSign) {
  const Result r = RunCli("--until READY --type 'PRINT 2^3\\n' --frames 50 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("PRINT 2[3\n 8\n"), std::string::npos) << r.out;
}

TEST(Cli, TypeFileTypesAnyTextFileAndCountsWhatHasNoKey) {
  const fs::path file = quillor::testing::ProcessTempFolder("cli_type_file") / "listing.txt";
  std::ofstream(file, std::ios::binary) << "10 REM\tUNIX \xC3\xA9\n20 END\r\nLIST\n";
  const Result r = RunCli("--until READY --type-file " + file.string() + " --frames 50 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("LIST\n10 REM UNIX\n20 END\nREADY"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("--type-file: 1 character with no key on the machine was skipped."), std::string::npos)
      << r.out;
  EXPECT_NE(RunCli("--type-file " + (file.parent_path() / "missing.txt").string()).status, 0);
}

TEST(Cli, TheMachineStartsAsTheModelAskedFor) {
  const Result sixtyFour = RunCli("--model 4 --frames 100 --screen");
  ASSERT_EQ(sixtyFour.status, 0) << sixtyFour.out;
  EXPECT_NE(sixtyFour.out.find("(HT-1080Z/64)"), std::string::npos) << sixtyFour.out;
  const Result seriesTwo = RunCli("--frames 100 --model 2 --screen");
  ASSERT_EQ(seriesTwo.status, 0) << seriesTwo.out;
  EXPECT_NE(seriesTwo.out.find("SERIES I/II"), std::string::npos) << seriesTwo.out;
  EXPECT_NE(RunCli("--model 5").status, 0);
}

}  // namespace
