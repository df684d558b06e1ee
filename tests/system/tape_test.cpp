// Tapes through the emulated recorder in real time: CSAVE and CLOAD,
// SYSTEM with a tape written by the save-memory code, and the ROM's byte
// entries writing to and reading from the recorder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "frontend/save_memory.h"
#include "storage/disk_image_builder.h"
#include "storage/program_loader.h"
#include "system/rom_programs.h"
#include "system/running_machine.h"

namespace quillor::test {
namespace {

constexpr int kTapeFrames = 6000;

std::vector<uint8_t> Leader() {
  std::vector<uint8_t> bytes(255, 0x00);
  bytes.push_back(0xA5);
  return bytes;
}

TEST(BasicTape, CsaveRecordsTheProgramThatTheLoaderAndCloadReadBack) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.Type("10 PRINT \"HI\";A<>B\r20 GOTO 10\r"));
  const std::vector<uint8_t> program = m.ProgramText();
  const std::string path = TestFilePath("csave.cas");
  m.host.dialogAnswers.push_back(FileChoice{path});
  ASSERT_TRUE(m.Type("CSAVE \"N\"\r", kTapeFrames));
  ASSERT_EQ(m.host.dialogRequests.size(), 1u);
  EXPECT_TRUE(m.host.dialogRequests[0].save);

  std::vector<uint8_t> expected = Leader();
  expected.insert(expected.end(), {0xD3, 0xD3, 0xD3, 'N'});
  expected.insert(expected.end(), program.begin(), program.end());
  EXPECT_EQ(ReadTestFile(path), expected);

  // The loader puts the same program at the start of the text.
  std::array<uint8_t, 0x10000> memory{};
  memory[0x40A4] = 0xE9;
  memory[0x40A5] = 0x42;
  CpuState cpu;
  ASSERT_EQ(LoadProgramFile(path, false, memory, cpu), kBasicProgram);
  EXPECT_TRUE(std::equal(program.begin(), program.end(), memory.begin() + 0x42E9));
  EXPECT_EQ(memory[0x40F9] | memory[0x40FA] << 8, m.BasicEnd());

  ASSERT_TRUE(m.Type("NEW\r"));
  ASSERT_EQ(m.BasicEnd(), 0x42EB);
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(path));
  m.emu.cassette.Rewind(m.emu.cassettePanel);
  ASSERT_TRUE(m.Type("CLOAD\rLIST\r", kTapeFrames));
  EXPECT_EQ(m.ProgramText(), program);
  EXPECT_NE(m.Screen().find(">LIST\n10 PRINT \"HI\";A<>B\n20 GOTO 10\nREADY\n>"), std::string::npos)
      << m.Screen();
}

// CLOAD? reads the tape as CLOAD does and compares it with the program in
// memory: READY when they agree, "BAD" at a difference; the program and its
// variables stay as they are either way.
TEST(BasicTape, CloadVerifyComparesTheTapeWithTheProgram) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.Type("10 PRINT \"HI\"\r20 GOTO 10\r"));
  const std::string path = TestFilePath("verify.cas");
  m.host.dialogAnswers.push_back(FileChoice{path});
  ASSERT_TRUE(m.Type("CSAVE \"V\"\r", kTapeFrames));
  const auto verify = [&](const std::string& command) {
    EXPECT_TRUE(m.emu.cassette.OpenMediaImage(path));
    m.emu.cassette.Rewind(m.emu.cassettePanel);
    EXPECT_TRUE(m.Type("CLS\rA=5\r" + command + "\rPRINT A\r", kTapeFrames));
    return m.Screen();
  };
  EXPECT_NE(verify("CLOAD?").find(">CLOAD?\nREADY\n>PRINT A\n 5\n"), std::string::npos) << m.Screen();
  EXPECT_NE(verify("CLOAD? \"V\"").find(">CLOAD? \"V\"\nREADY\n>PRINT A\n 5\n"), std::string::npos)
      << m.Screen();

  ASSERT_TRUE(m.Type("20 GOTO 11\r"));
  const std::vector<uint8_t> changed = m.ProgramText();
  EXPECT_NE(verify("CLOAD?").find(">CLOAD?\nBAD\nREADY\n>PRINT A\n 5\n"), std::string::npos) << m.Screen();
  EXPECT_EQ(m.ProgramText(), changed);
  // A longer program in memory differs where the tape's ends.
  ASSERT_TRUE(m.Type("20 GOTO 10\r30 END\r"));
  EXPECT_NE(verify("CLOAD?").find(">CLOAD?\nBAD\n"), std::string::npos) << m.Screen();
  EXPECT_FALSE(m.emu.cassette.Motor());
}

TEST(SystemTape, LoadsASavedMemoryTapeAndSlashStartsIt) {
  // A program that copies a message to the middle of the screen and stays,
  // followed by enough data for a second block.
  std::array<uint8_t, 0x180> image{};
  const uint8_t code[] = {
      0x21, 0x0D, 0x70,  // 7000 LD HL,700Dh
      0x11, 0x00, 0x3E,  // 7003 LD DE,3E00h
      0x01, 20,   0x00,  // 7006 LD BC,20
      0xED, 0xB0,        // 7009 LDIR
      0x18, 0xFE,        // 700B JR $
      'T',  'A',  'P',  'E', ' ', 'P', 'R', 'O', 'G', 'R', 'A', 'M', ' ', 'R', 'U', 'N', 'N', 'I', 'N', 'G',
  };
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + 3);
  std::copy(std::begin(code), std::end(code), image.begin());
  const std::string path = SaveMemoryToCassette(TestFilePath("runner.cas"), 0x7000, 0x7000 + image.size(),
                                                0x7000, [&](uint16_t a) { return image[a - 0x7000]; });
  ASSERT_FALSE(path.empty());

  RunningMachine m(0, false);
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(path));
  ASSERT_TRUE(m.Type("SYSTEM\rRUNNER\r", kTapeFrames));
  EXPECT_EQ(m.Word(0x40DF), 0x7000);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), m.emu.machine.memory.begin() + 0x7000));
  EXPECT_NE(m.Screen().find("*? RUNNER\n"), std::string::npos) << m.Screen();
  EXPECT_EQ(m.Screen().find("ERROR"), std::string::npos) << m.Screen();

  m.emu.textInput.StartWithText({'/', '\r'});
  ASSERT_TRUE(m.RunUntilScreenShows("TAPE PROGRAM RUNNING")) << m.Screen();
  EXPECT_EQ(m.emu.cpu.PC, 0x700B);
}

// "/nnnnn" at the "*?" prompt starts at nnnnn, also when a blank comes
// before the '/'.
TEST(SystemTape, SlashWithAnAddressStartsThere) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  const std::vector<uint8_t> loop{0x18, 0xFE};  // 7000 JR $
  m.Store(0x7000, loop);
  const std::string typed = "SYSTEM\r /28672\r";
  m.emu.textInput.StartWithText(std::vector<uint8_t>(typed.begin(), typed.end()));
  EXPECT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == 0x7000; })) << m.Screen();
}

// The wrong kind of tape and a damaged block are reported, with the
// motor stopped, and the machine goes on at the prompt.
// CLOAD "N" passes the programs before the one named N; CLOAD takes the
// first.
TEST(BasicTape, CloadWithANameTakesTheProgramOfThatName) {
  std::vector<uint8_t> tape;
  for (const char name : {'A', 'B'}) {
    const std::vector<uint8_t> header = Leader();
    tape.insert(tape.end(), header.begin(), header.end());
    tape.insert(tape.end(), {0xD3, 0xD3, 0xD3, uint8_t(name)});
    // 10 PRINT "A" (or 20 PRINT "B"), the link any nonzero value
    const uint8_t line = name == 'A' ? 10 : 20;
    tape.insert(tape.end(), {0x34, 0x12, line, 0, 0xB2, ' ', '"', uint8_t(name), '"', 0, 0, 0});
  }
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  const std::string path = WriteTestFile("two.cas", tape);
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(path));
  ASSERT_TRUE(m.Type("CLOAD \"B\"\rLIST\r", kTapeFrames));
  EXPECT_NE(m.Screen().find(">LIST\n20 PRINT \"B\"\nREADY\n>"), std::string::npos) << m.Screen();
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(path));
  m.emu.cassette.Rewind(m.emu.cassettePanel);
  ASSERT_TRUE(m.Type("CLOAD\rLIST\r", kTapeFrames));
  EXPECT_NE(m.Screen().find(">LIST\n10 PRINT \"A\"\nREADY\n>"), std::string::npos) << m.Screen();
}

TEST(TapeErrors, WrongTapesAndBadChecksumsAreReported) {
  std::vector<uint8_t> basic = Leader();
  basic.insert(basic.end(), {0xD3, 0xD3, 0xD3, 'B', 0, 0});
  std::vector<uint8_t> system = Leader();
  system.insert(system.end(), {0x55, 'S', 'Y', 'S', ' ', ' ', ' '});
  std::vector<uint8_t> damaged = system;
  damaged.insert(damaged.end(), {0x3C, 2, 0x00, 0x70, 1, 2, 0x00});  // the sum is 73h
  damaged.insert(damaged.end(), {0x78, 0x00, 0x70});
  system.insert(system.end(), {0x3C, 1, 0x00, 0x70, 9, 0x79, 0x78, 0x00, 0x70});

  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(WriteTestFile("system.cas", system)));
  ASSERT_TRUE(m.Type("CLOAD\r", kTapeFrames));
  EXPECT_NE(m.Screen().find(">CLOAD\n?NOT A BASIC TAPE\nREADY\n>"), std::string::npos) << m.Screen();

  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(WriteTestFile("basic.cas", basic)));
  ASSERT_TRUE(m.Type("SYSTEM\rB\r", kTapeFrames));
  EXPECT_NE(m.Screen().find("*? B\n?NOT A SYSTEM TAPE\n*? "), std::string::npos) << m.Screen();

  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(WriteTestFile("damaged.cas", damaged)));
  ASSERT_TRUE(m.Type("SYS\r", kTapeFrames));
  EXPECT_NE(m.Screen().find("*? SYS\n?CHECKSUM ERROR\n*? "), std::string::npos) << m.Screen();
  EXPECT_EQ(m.emu.machine.memory[0x7000], 1);

  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(WriteTestFile("good.cas", system)));
  ASSERT_TRUE(m.Type("SYS\r", kTapeFrames));
  EXPECT_EQ(m.emu.machine.memory[0x7000], 9);
  EXPECT_EQ(m.Word(0x40DF), 0x7000);
}

// The monitor's S records memory as a machine-code tape and its L reads
// such a tape back with SYSTEM's loader, staying at the monitor's prompt
// after a wrong or damaged tape.
TEST(MonitorTape, SavesMemoryAndLoadsItBack) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  for (uint16_t a = 0x7000; a < 0x7140; ++a) m.emu.machine.memory[a] = uint8_t(a * 5 + 1);
  const std::vector<uint8_t> saved(m.emu.machine.memory.begin() + 0x7000,
                                   m.emu.machine.memory.begin() + 0x7140);
  const std::string path = TestFilePath("monitor.cas");
  m.host.dialogAnswers.push_back(FileChoice{path});
  ASSERT_TRUE(m.Type("MON\rS 7000 713F 7010 MEM\r", kTapeFrames));
  ASSERT_TRUE(m.Type("F 7000 713F 0\r"));
  ASSERT_EQ(m.Byte(0x7100), 0);

  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(path));
  m.emu.cassette.Rewind(m.emu.cassettePanel);
  ASSERT_TRUE(m.Type("L\r", kTapeFrames));
  EXPECT_TRUE(std::equal(saved.begin(), saved.end(), m.emu.machine.memory.begin() + 0x7000));
  EXPECT_EQ(m.Word(0x40DF), 0x7010);
  EXPECT_NE(m.Screen().find("#L\nENTRY 7010\n#"), std::string::npos) << m.Screen();
  EXPECT_FALSE(m.emu.cassette.Motor());

  std::vector<uint8_t> basic = Leader();
  basic.insert(basic.end(), {0xD3, 0xD3, 0xD3, 'B', 0, 0});
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(WriteTestFile("monitor_basic.cas", basic)));
  ASSERT_TRUE(m.Type("L\r", kTapeFrames));
  EXPECT_NE(m.Screen().find("#L\n?NOT A SYSTEM TAPE\n#"), std::string::npos) << m.Screen();

  std::vector<uint8_t> damaged = Leader();
  damaged.insert(damaged.end(), {0x55, 'D', ' ', ' ', ' ', ' ', ' ', 0x3C, 1, 0x00, 0x70, 9, 0x00});
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(WriteTestFile("monitor_damaged.cas", damaged)));
  ASSERT_TRUE(m.Type("L\r", kTapeFrames));
  EXPECT_NE(m.Screen().find("#L\n?CHECKSUM ERROR\n#"), std::string::npos) << m.Screen();
  EXPECT_EQ(m.Word(0x40DF), 0x7010);  // the entry of the last good tape stays
  EXPECT_FALSE(m.emu.cassette.Motor());
}

// SYSTEM reads through and passes the tapes whose six-character name
// (blanks after a shorter one) is not the name typed.
TEST(SystemTape, TheNameTypedChoosesTheTape) {
  std::vector<uint8_t> tape;
  for (const char* name : {"ONE   ", "TWO   "}) {
    const std::vector<uint8_t> header = Leader();
    tape.insert(tape.end(), header.begin(), header.end());
    tape.push_back(0x55);
    tape.insert(tape.end(), name, name + 6);
    const uint8_t value = uint8_t(name[0]);  // a byte at 7000h, then the entry 7000h
    tape.insert(tape.end(), {0x3C, 1, 0x00, 0x70, value, uint8_t(0x70 + value), 0x78, 0x00, 0x70});
  }
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(WriteTestFile("two_system.cas", tape)));
  ASSERT_TRUE(m.Type("SYSTEM\rTWO\r", kTapeFrames));
  EXPECT_EQ(m.emu.machine.memory[0x7000], 'T');
  EXPECT_NE(m.Screen().find("*? TWO\n*? "), std::string::npos) << m.Screen();
}

TEST(TapeEntries, BytesWrittenWith0264AreRecordedExactlyAndReadBackWith0235) {
  std::vector<uint8_t> data(256);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 73 + 5);
  const std::string path = TestFilePath("bytes.cas");
  {
    RunningMachine m;
    ASSERT_TRUE(m.Boot());
    m.host.dialogAnswers.push_back(FileChoice{path});
    m.Store(0x5100, data);
    m.Start(kTapeProgramStart, TapeWriter());
    ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kTapeProgramEnd; }, kTapeFrames));
    m.RunFrames(1);
  }
  std::vector<uint8_t> expected = Leader();
  expected.insert(expected.end(), data.begin(), data.end());
  ASSERT_EQ(ReadTestFile(path), expected);

  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.emu.cassette.OpenMediaImage(path));
  m.Start(kTapeProgramStart, TapeReader());
  ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kTapeProgramEnd; }, kTapeFrames));
  EXPECT_TRUE(std::equal(data.begin(), data.end(), m.emu.machine.memory.begin() + 0x5200));
  EXPECT_FALSE(m.emu.cassette.Motor());
}

}  // namespace
}  // namespace quillor::test
