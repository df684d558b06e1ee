// The ROM's command level on the machine: program lines, LIST and LLIST,
// BASIC files put into memory by the program loader, the monitor.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "storage/disk_image_builder.h"
#include "storage/program_loader.h"
#include "system/running_machine.h"

namespace quillor::test {
namespace {

TEST(ProgramLines, AreTokenisedStoredInOrderAndListedBack) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.Type("20 FOR I=1 TO 10:NEXT I ' NOTE\r10 PRINT \"HI\";A<>B\r15 ?X\r15\rLIST\r"));
  EXPECT_NE(m.Screen().find(">LIST\n10 PRINT \"HI\";A<>B\n20 FOR I=1 TO 10:NEXT I ' NOTE\nREADY\n>"),
            std::string::npos)
      << m.Screen();
  // Line 10 comes first, tokenised: PRINT is B2h, <> is D6h D4h.
  EXPECT_EQ(m.Word(0x42EB), 10);
  const std::vector<uint8_t> text = m.ProgramText();
  ASSERT_GT(text.size(), 8u);
  EXPECT_EQ(text[4], 0xB2);
  const std::vector<uint8_t> notEqual{0xD6, 0xD4};
  EXPECT_NE(std::search(text.begin(), text.end(), notEqual.begin(), notEqual.end()), text.end());
}

TEST(ProgramLines, LlistPrintsTheListingOnThePrinter) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.Type("10 GOTO 10\r20 REM \"X\"\rLLIST\r"));
  EXPECT_EQ(m.host.paper, (std::vector<std::string>{"10 GOTO 10", "20 REM \"X\""}));
}

// A program line as it lies in memory, linked as if the program started at
// another address.
class ProgramBuilder {
 public:
  explicit ProgramBuilder(uint16_t start) : address_(start) {}
  ProgramBuilder& Line(uint16_t number, std::initializer_list<uint8_t> text) {
    address_ = static_cast<uint16_t>(address_ + 4 + text.size() + 1);
    bytes.insert(bytes.end(),
                 {uint8_t(address_), uint8_t(address_ >> 8), uint8_t(number), uint8_t(number >> 8)});
    bytes.insert(bytes.end(), text);
    bytes.push_back(0);
    return *this;
  }
  std::vector<uint8_t> End() {
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
  }
  std::vector<uint8_t> bytes;

 private:
  uint16_t address_;
};

std::vector<uint8_t> SampleProgram(uint16_t linkedAt) {
  return ProgramBuilder(linkedAt)
      .Line(10, {0xB2, ' ', '"', 'H', 'E', 'L', 'L', 'O', '"', ';', 'A', 0xD6, 0xD4, 'B'})
      .Line(20, {0x81, ' ', 'I', 0xD5, '1',  ' ',  0xBD, ' ', '9', ':',
                 0x87, ' ', 'I', ' ',  0x3A, 0x93, 0xFB, ' ', 'O', 'K'})
      .Line(30, {0x8F, ' ', 'A', 0xD4, '2', ' ', 0xCA, ' ', 0x8D, ' ', '1', '0'})
      .End();
}
constexpr const char* kSampleListing =
    "10 PRINT \"HELLO\";A<>B\n20 FOR I=1 TO 9:NEXT I ' OK\n30 IF A>2 THEN GOTO 10\nREADY\n>";

TEST(BasicFile, LoadedByTheProgramLoaderIsRelinkedAndListed) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  std::vector<uint8_t> file{0xFF};
  const std::vector<uint8_t> program = SampleProgram(0x6000);
  file.insert(file.end(), program.begin(), program.end());
  ASSERT_EQ(LoadProgramFile(WriteTestFile("sample.bas", file), false, m.emu.machine.memory, m.emu.cpu),
            kBasicProgram);
  ASSERT_TRUE(m.Type("LIST\r"));
  EXPECT_NE(m.Screen().find(std::string(">LIST\n") + kSampleListing), std::string::npos) << m.Screen();
  EXPECT_EQ(m.Word(0x42E9), 0x42E9 + 4 + 14 + 1) << "links rebuilt for 42E9";
  EXPECT_EQ(m.BasicEnd(), 0x42E9 + program.size());
}

TEST(BasicFile, RelinkEntryStopsAtTheEndLinkAndReturnsToTheCommandLevel) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  const std::vector<uint8_t> program = SampleProgram(0x9000);
  m.Store(0x42E9, program);
  m.emu.cpu.SetDE(0x42E9);
  m.emu.cpu.PC = 0x1AE9;
  ASSERT_TRUE(m.Type("LIST 20\r"));
  EXPECT_NE(m.Screen().find(">LIST 20\n20 FOR I=1 TO 9:NEXT I ' OK\nREADY\n>"), std::string::npos)
      << m.Screen();
  EXPECT_EQ(m.BasicEnd(), 0x42E9 + program.size());
  ASSERT_TRUE(m.Type("NEW\rLIST\r"));
  EXPECT_EQ(m.BasicEnd(), 0x42EB);
  EXPECT_NE(m.Screen().find(">NEW\nREADY\n>LIST\nREADY\n>"), std::string::npos) << m.Screen();
}

TEST(Monitor, FillsAndDisplaysMemoryAndReturnsToTheCommandLevel) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.Type("MON\rF 5000 5007 AB\rD 5000\rX\r"));
  EXPECT_EQ(m.Byte(0x5007), 0xAB);
  EXPECT_EQ(m.Byte(0x5008), 0x00);
  const std::string screen = m.Screen();
  const size_t dump = screen.find("5000 AB AB AB AB AB AB AB AB");
  ASSERT_NE(dump, std::string::npos) << screen;
  EXPECT_NE(screen.find("READY\n>", dump), std::string::npos) << screen;
}

TEST(Monitor, ModifiesBytesUntilBreakAndShowsHexLetters) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  // ENTER keeps a byte; BREAK ends M at the monitor's prompt, so the D
  // typed next is a command and not a value for 5002.
  ASSERT_TRUE(m.Type("MON\rF 5000 5007 0\rM 5000\r3C\r\r"));
  m.PressKeys("\\b");
  ASSERT_TRUE(m.Type("D 5000\rX\r"));
  EXPECT_EQ(m.Byte(0x5000), 0x3C);
  EXPECT_EQ(m.Byte(0x5001), 0x00);
  EXPECT_EQ(m.Byte(0x5002), 0x00);
  const std::string screen = m.Screen();
  EXPECT_NE(screen.find("5001 00\n5002 00\n#D 5000\n"), std::string::npos) << screen;
  const size_t dump = screen.find("5000 3C 00 00 00 00 00 00 00 <");
  ASSERT_NE(dump, std::string::npos) << screen;
  EXPECT_NE(screen.find("READY\n>", dump), std::string::npos) << screen;
}

// T copies overlapping ranges in either direction; a reversed range, a bad
// digit or an unknown letter is answered with "?"; D shows 20h-7Fh as
// characters and the rest as dots.
TEST(Monitor, MovesOverlappingRangesAndRefusesBadArguments) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(
      m.Type("MON\rF 5000 500F 0\rF 5000,5000,1F\rF 5001 5001 20\rF 5002 5002 7F\r"
             "F 5003 5003 80\rT 5000 5003 5001\rT 5001 5004 5008\rT 5009 500B 5008\r"
             "D 5000\r"));
  const std::vector<uint8_t> expect{0x1F, 0x1F, 0x20, 0x7F, 0x80, 0, 0, 0,
                                    0x20, 0x7F, 0x80, 0x80, 0,    0, 0, 0};
  for (size_t i = 0; i < expect.size(); ++i) {
    EXPECT_EQ(m.Byte(0x5000 + static_cast<uint16_t>(i)), expect[i]) << i;
  }
  EXPECT_NE(m.Screen().find("5000 1F 1F 20 7F 80 00 00 00 .. ?....\n5008 20 7F 80 80 00 00 00 00  ?......\n"),
            std::string::npos)
      << m.Screen();
  ASSERT_TRUE(m.Type("F 5007 5006 1\rF 500G 5010 1\rZ\rH\rX\r"));
  EXPECT_NE(m.Screen().find("#F 5007 5006 1\n?\n#F 500G 5010 1\n?\n#Z\n?\n#H\nD/M A"), std::string::npos)
      << m.Screen();
  EXPECT_EQ(m.Byte(0x5006), 0x00);
  EXPECT_EQ(m.Byte(0x5010), 0x00);
}

// INKEY$ is "" until a key is pressed, then that key as a one-character
// string, once.
TEST(Inkey, GivesAPressedKeyOnce) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(
      m.Type("10 A$=INKEY$:N=N+1:IF A$=\"\" THEN 10\r"
             "20 B$=INKEY$:PRINT \"<\";A$;\">\";LEN(A$);LEN(B$);N>1\r"));
  // The program waits in its loop, so the ROM asks for no key after RUN.
  m.Type("RUN\r", 20);
  m.PressKeys("Q");
  ASSERT_TRUE(m.RunUntilScreenShows("READY\n>", 200)) << m.Screen();
  EXPECT_NE(m.Screen().find("<Q> 1  0 -1\n"), std::string::npos) << m.Screen();
}

}  // namespace
}  // namespace quillor::test
