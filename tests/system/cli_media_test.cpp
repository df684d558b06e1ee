// The runner's tape, program and disk options on the built-in ROM, with the
// program files, tapes and disk images built here.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/disk_image_builder.h"
#include "system/run_cli.h"

namespace quillor {
namespace {

using test::Occurrences;
using test::ReadTestFile;
using test::RunCli;
using test::TestFilePath;
using test::WriteTestFile;
using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// A machine-code routine at `origin` that copies `message` (kept right after
// it) to the top line of the screen, then loops: it needs nothing of the ROM.
Bytes ScreenWriter(uint16_t origin, const std::string& message) {
  const auto text = static_cast<uint16_t>(origin + 13);
  return Join({{0x21, uint8_t(text), uint8_t(text >> 8),  // LD HL,text
                0x11, 0x00, 0x3C,                         // LD DE,3C00h
                0x01, uint8_t(message.size()), 0x00,      // LD BC,length
                0xED, 0xB0,                               // LDIR
                0x18, 0xFE},                              // JR $
               Text(message)});
}

constexpr uint16_t kProgramOrigin = 0x5000;
const std::string kCmdMessage = "HELLO FROM A CMD FILE";

// A .cmd file: one load record with the routine, then the entry record.
std::string WriteCmdProgram(const std::string& name) {
  const Bytes code = ScreenWriter(kProgramOrigin, kCmdMessage);
  return WriteTestFile(name,
                       Join({{0x01, uint8_t(code.size() + 2), 0x00, 0x50}, code, {0x02, 0x02, 0x00, 0x50}}));
}

// One tokenised line "NUMBER REM text"; the link is any non-zero value,
// since a loader rebuilds the links.
Bytes RemLine(uint8_t number, const std::string& text) {
  return Join({{0x34, 0x12, number, 0x00, 0x93, ' '}, Text(text), {0x00}});
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

TEST(CliPrograms, RunStartsACmdProgramThatWritesTheScreen) {
  const auto r = RunCli("--run " + Quoted(WriteCmdProgram("cli_run.cmd")) + " --frames 50 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), kCmdMessage) << r.out;
}

TEST(CliPrograms, SavedMemoryLoadsBackThroughRunAndAutostart) {
  const std::string chosen = TestFilePath("cli_saved.bin");
  const std::string image = TestFilePath("cli_saved.cas");
  std::filesystem::remove(image);
  const auto save = RunCli("--run " + Quoted(WriteCmdProgram("cli_save.cmd")) +
                           " --frames 5 --save-memory 5000 0x5040 " + "5000 " + Quoted(chosen));
  ASSERT_EQ(save.status, 0) << save.out;
  EXPECT_NE(save.out.find("wrote " + image), std::string::npos) << save.out;
  const Bytes tape = ReadTestFile(image);
  ASSERT_GT(tape.size(), 262u);
  EXPECT_EQ(std::string(tape.begin() + 257, tape.begin() + 263), "CLI_SA");

  const auto run = RunCli("--run " + Quoted(image) + " --frames 5 --screen");
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), kCmdMessage) << run.out;
  // Over the ROM's own start-up screen: the program replaces the top line's start.
  const auto autostart = RunCli("--until READY --autostart " + Quoted(image) + " --frames 5 --screen");
  ASSERT_EQ(autostart.status, 0) << autostart.out;
  EXPECT_EQ(autostart.out.rfind(kCmdMessage, 0), 0u) << autostart.out;
}

TEST(CliPrograms, AutostartLoadsABasicProgramAndRefusesOtherFiles) {
  const std::string bas =
      WriteTestFile("cli_autostart.bas", Join({{0xFF}, RemLine(30, "FROM DISK"), {0x00, 0x00}}));
  const auto r = RunCli("--until READY --autostart " + Quoted(bas) +
                        " --frames 10 --type 'LIST\\n' --frames 20 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("\n30 REM FROM DISK\n"), std::string::npos) << r.out;

  const auto bad =
      RunCli("--autostart " + Quoted(WriteTestFile("cli_notes.txt", Text("just text"))) + " --screen");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("quillor-cli: Not a program file!"), std::string::npos) << bad.out;
  EXPECT_EQ(bad.out.find("\n\n\n"), std::string::npos) << "the screen step must not run:\n" << bad.out;
}

TEST(CliPrograms, TextInputTypesEachLineOnce) {
  const std::string text = WriteTestFile("cli_input.txt", Text("40 REM TYPED\r\nLIST\r\n"));
  const auto r = RunCli("--until READY --text-input " + Quoted(text) + " --frames 100 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  // The line as typed and as listed.
  EXPECT_EQ(Occurrences(r.out, "40 REM TYPED\n"), 2u) << r.out;
  EXPECT_EQ(Occurrences(r.out, "LIST\n"), 1u) << r.out;
  EXPECT_EQ(RunCli("--text-input " + Quoted(TestFilePath("cli_no_such.txt"))).status, 1);
}

TEST(CliCassette, RecordingsGoToTheRecordNameAndThenToNumberedNames) {
  const std::string first = TestFilePath("cli_rec.cas"), second = TestFilePath("cli_rec-2.cas");
  std::filesystem::remove(first);
  std::filesystem::remove(second);
  const auto r =
      RunCli("--until READY --record-cas " + Quoted(first) +
             " --type '10 PRINT \"HI\"\\nCSAVE \"A\"\\n' --frames 300 --type 'CSAVE \"B\"\\n' --frames 300");
  ASSERT_EQ(r.status, 0) << r.out;
  const Bytes tokenised = {0x0A, 0x00, 0xB2, ' ', '"', 'H', 'I', '"', 0x00};
  for (const auto& [path, name] : {std::pair{first, 'A'}, std::pair{second, 'B'}}) {
    const Bytes tape = ReadTestFile(path);
    ASSERT_GE(tape.size(), 271u) << path;
    EXPECT_EQ(Bytes(tape.begin() + 255, tape.begin() + 260), (Bytes{0xA5, 0xD3, 0xD3, 0xD3, uint8_t(name)}));
    EXPECT_EQ(Bytes(tape.begin() + 262, tape.begin() + 271), tokenised) << path;
  }

  // Without a name the recording is dropped, which the runner says once.
  const auto unnamed =
      RunCli("--until READY --type 'CSAVE \"A\"\\n' --frames 200 --type 'CSAVE \"B\"\\n' --frames 200");
  EXPECT_EQ(unnamed.status, 0) << unnamed.out;
  EXPECT_EQ(Occurrences(unnamed.out, "without --record-cas"), 1u) << unnamed.out;
}

TEST(CliCassette, TapesLoadThroughTheRomAndRewind) {
  const std::string tape = WriteTestFile(
      "cli_basic.cas",
      Join({Bytes(255, 0x00), {0xA5, 0xD3, 0xD3, 0xD3, 'T'}, RemLine(20, "FROM TAPE"), {0, 0}}));
  const std::string load = " --type 'CLOAD\\n' --frames 300";
  const auto r = RunCli("--until READY --cas " + Quoted(tape) + load + " --type 'NEW\\n' --rewind" + load +
                        " --type 'LIST\\n' --frames 20 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("\n20 REM FROM TAPE\n"), std::string::npos) << r.out;

  // Without the rewind the second load finds only the silence after the end.
  const auto played = RunCli("--until READY --cas " + Quoted(tape) + load + " --type 'NEW\\n'" + load +
                             " --type '\\b' --frames 10 --type 'LIST\\n' --frames 20 --screen");
  EXPECT_NE(played.out.find("BREAK"), std::string::npos) << played.out;
  EXPECT_EQ(played.out.find("20 REM FROM TAPE"), std::string::npos) << played.out;

  const auto bad = RunCli("--cas " + Quoted(TestFilePath("cli_no_such.cas")) + " --frames 1");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("quillor-cli: Unknown image format!"), std::string::npos) << bad.out;
}

TEST(CliCassette, RunInsertsAFileThatIsNoMachineCodeAsTheTape) {
  const std::string tape =
      WriteTestFile("cli_basic_run.cas",
                    Join({Bytes(255, 0x00), {0xA5, 0xD3, 0xD3, 0xD3, 'R'}, RemLine(50, "RUN TAPE"), {0, 0}}));
  const auto r = RunCli("--run " + Quoted(tape) +
                        " --until READY --type 'CLOAD\\n' --frames 300 "
                        "--type 'LIST\\n' --frames 20 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("\n50 REM RUN TAPE\n"), std::string::npos) << r.out;
  const auto missing = RunCli("--run " + Quoted(TestFilePath("cli_no_such.cmd")));
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("cannot read"), std::string::npos) << missing.out;
}

TEST(CliCassette, BadSaveMemoryAddressesAreRefusedBeforeAnythingRuns) {
  const std::string out = TestFilePath("cli_never.cas");
  std::filesystem::remove(out);
  for (const std::string args :
       {"--save-memory 4000 0X4200 4000 ", "--save-memory 400 4200 4000 ", "--save-memory 4000 4200 42G0 "}) {
    const auto r = RunCli(args + Quoted(out));
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.out.find("four hex digits"), std::string::npos) << r.out;
  }
  EXPECT_EQ(RunCli("--save-memory 4000 4200 4000").status, 2);
  EXPECT_FALSE(std::filesystem::exists(out));
}

// A plain disk image whose boot sector (track 0, sector 0, loaded at 4200h)
// writes `message` to the screen.
std::string WriteBootDisk(const std::string& name, const std::string& message) {
  Bytes image(3 * kTrackBytes, 0x00);
  const Bytes boot = ScreenWriter(0x4200, message);
  std::copy(boot.begin(), boot.end(), image.begin());
  return WriteTestFile(name, image);
}

TEST(CliDisks, TheRomBootsADiskInDriveZero) {
  const std::string disk = WriteBootDisk("cli_boot0.dsk", "BOOTED FROM DRIVE 0");
  const auto r = RunCli("--disk0 " + Quoted(disk) + " --frames 200 --screen");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "BOOTED FROM DRIVE 0") << r.out;
}

TEST(CliDisks, OtherDrivesAndEjectedDisksDoNotBoot) {
  const std::string disk = WriteBootDisk("cli_boot1.dsk", "BOOTED");
  // A controller with a disk, but none in drive 0.
  const auto drive1 = RunCli("--disk1 " + Quoted(disk) + " --frames 200 --screen");
  ASSERT_EQ(drive1.status, 0) << drive1.out;
  EXPECT_NE(drive1.out.find("NO SYSTEM DISK IN DRIVE 0"), std::string::npos) << drive1.out;
  for (const char* drive : {"--disk2 ", "--disk3 "}) {
    EXPECT_EQ(RunCli(drive + Quoted(disk) + " --frames 1").status, 0) << drive;
  }
  const auto ejected = RunCli("--disk0 " + Quoted(disk) + " --eject 0 --frames 200 --screen");
  ASSERT_EQ(ejected.status, 0) << ejected.out;
  EXPECT_EQ(ejected.out.find("BOOTED"), std::string::npos) << ejected.out;
  EXPECT_NE(ejected.out.find("READY"), std::string::npos) << ejected.out;
  EXPECT_EQ(RunCli("--eject 4").status, 2);
}

TEST(CliDisks, AnImageOfNoKnownKindFailsWithTheMessage) {
  const std::string bad = WriteTestFile("cli_bad.dsk", Bytes(1000, 0x11));
  const auto r = RunCli("--disk0 " + Quoted(bad) + " --frames 200 --screen");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("quillor-cli: Unknown image format!"), std::string::npos) << r.out;
  EXPECT_EQ(Occurrences(r.out, "\n"), 1u) << "nothing after the failed step runs:\n" << r.out;
}

}  // namespace
}  // namespace quillor
