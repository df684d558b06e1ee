#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "fakes/recording_host.h"
#include "frontend/user_commands.h"
#include "machine/emulator.h"
#include "storage/disk_image_builder.h"
#include "storage/program_loader.h"

namespace quillor {
namespace {

namespace fs = std::filesystem;

fs::path WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const fs::path path = fs::path(QUILLOR_TEST_TMP) / "media_commands" / name;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

fs::path PlainDisk(const std::string& name) { return WriteFile(name, std::vector<uint8_t>(35 * 2560, 0xE5)); }

// A .cmd file: one data record of three bytes at 0x5000, entry 0x5000.
std::vector<uint8_t> SmallCommandFile() {
  return {0x01, 0x05, 0x00, 0x50, 0x3E, 0x41, 0xC9, 0x02, 0x02, 0x00, 0x50};
}

class MediaCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    emu = std::make_unique<Emulator>(host.Hosts());
    commands = std::make_unique<UserCommands>(*emu);
    emu->FormCreate();
    emu->FinishStartUp(1);
    host.presented.clear();
  }
  void Answer(const fs::path& path) { host.dialogAnswers.push_back(FileChoice{path.string(), 0}); }

  testing::RecordingHost host;
  std::unique_ptr<Emulator> emu;
  std::unique_ptr<UserCommands> commands;
};

TEST_F(MediaCommands, DiskInsertAsksWithItsTitleAndFilterAndNamesTheDrive) {
  const auto disk = PlainDisk("a.dsk");
  Answer(disk);
  commands->LoadImage(2, kMediaInsert);
  ASSERT_EQ(host.dialogRequests.size(), 1u);
  EXPECT_EQ(host.dialogRequests[0].title, "Insert disk image");
  EXPECT_EQ(host.dialogRequests[0].filter, "Disk images (*.dsk)|*.DSK");
  EXPECT_TRUE(emu->drives.Present(2));
  EXPECT_EQ(emu->drives.MenuCaption(2), "Drive &2: " + disk.string());
  EXPECT_EQ(host.PresentsOf(Panel::Drive2), 1);
  // The controller's track buffer now holds track 0 of the new disk.
  EXPECT_EQ(emu->fdc.State().bufferedDrive, 2);
  EXPECT_EQ(emu->fdc.State().bufferedTrack, 0);

  commands->DrivePanelPress(2, kMediaRemove);
  EXPECT_FALSE(emu->drives.Present(2));
  EXPECT_FALSE(emu->drives.AnyDiskPresent());
  EXPECT_EQ(emu->drives.MenuCaption(2), "Drive &2: <Empty>");
  EXPECT_EQ(host.PresentsOf(Panel::Drive2), 2);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MediaCommands, AFileOfNoKnownKindIsReportedAndLeavesTheSlotEmpty) {
  Answer(PlainDisk("good.dsk"));
  commands->LoadImage(0, kMediaInsert);
  Answer(WriteFile("odd.dsk", std::vector<uint8_t>(1000, 0)));
  commands->LoadImage(0, kMediaInsert);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Unknown image format!"});
  EXPECT_EQ(host.messageKinds[0], MessageKind::Warning);
  EXPECT_FALSE(emu->drives.Present(0));
  EXPECT_EQ(emu->drives.MenuCaption(0), "Drive &0: <Empty>");

  EXPECT_FALSE(commands->InsertMedia(kCassetteSlot, (fs::path(QUILLOR_TEST_TMP) / "missing.cas").string()));
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_FALSE(emu->cassette.Inserted());
  EXPECT_TRUE(emu->cassette.FileName().empty());
}

TEST_F(MediaCommands, ADiskWhoseSectorsOverlapIsInsertedWriteProtectedWithItsReason) {
  auto image = test::BuildTrackImage(40, test::kIdentitySlots);
  // Slot 1's pointer names slot 0's ID field: both slots share one data area.
  image[16 + 2] = image[16 + 0];
  image[16 + 3] = image[16 + 1];
  Answer(WriteFile("overlap.dsk", image));
  commands->LoadImage(1, kMediaInsert);
  EXPECT_TRUE(emu->drives.Present(1));
  EXPECT_TRUE(emu->drives.WriteProtected(1));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("overlap"), std::string::npos);
  EXPECT_EQ(host.messageKinds[0], MessageKind::Warning);

  Answer(PlainDisk("plain.dsk"));
  commands->LoadImage(1, kMediaInsert);
  EXPECT_FALSE(emu->drives.WriteProtected(1));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(MediaCommands, CancelledOrMiddleButtonOnlyRefreshesThePanel) {
  commands->LoadImage(1, kMediaInsert);  // no answer: cancelled
  commands->DrivePanelPress(1, kMediaRefresh);
  EXPECT_EQ(host.dialogRequests.size(), 1u);
  EXPECT_EQ(host.PresentsOf(Panel::Drive1), 2);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MediaCommands, CassettePanelRewindsInsideTheButtonAndInsertsElsewhere) {
  const auto tape = WriteFile("t.cas", {0x00, 0x00, 0xA5, 0x55});
  Answer(tape);
  commands->CassettePanelPress(kMediaInsert, 60, 60);
  ASSERT_EQ(host.dialogRequests.size(), 1u);
  EXPECT_EQ(host.dialogRequests[0].title, "Insert cassette image");
  EXPECT_EQ(host.dialogRequests[0].filter, "Cassette images (*.asm, *.bas, *.cas)|*.ASM; *.BAS; *.CAS");
  EXPECT_TRUE(emu->cassette.Inserted());
  EXPECT_EQ(emu->cassette.FileName(), tape.string());

  // Any button on the rewind button of a loaded recorder rewinds, no dialog.
  commands->CassettePanelPress(kMediaRemove, kRewindLeft, kRewindBottom);
  EXPECT_EQ(host.dialogRequests.size(), 1u);
  EXPECT_TRUE(emu->cassette.Inserted());

  commands->CassettePanelPress(kMediaRemove, 60, 60);
  EXPECT_FALSE(emu->cassette.Inserted());
  // With no tape the rewind button is just part of the panel.
  commands->CassettePanelPress(kMediaInsert, kRewindLeft, kRewindTop);
  EXPECT_EQ(host.dialogRequests.size(), 2u);
}

TEST_F(MediaCommands, AutostartStartsMachineCodeAndRefusesOtherFiles) {
  Answer(WriteFile("p.cmd", SmallCommandFile()));
  commands->Autostart();
  EXPECT_EQ(host.dialogRequests[0].title, "Autostart file");
  EXPECT_EQ(host.dialogRequests[0].filter, "Program files (*.bas, *.cas, *.cmd)|*.BAS;*.CAS;*.CMD");
  EXPECT_EQ(emu->cpu.PC, 0x5000);
  EXPECT_EQ(emu->machine.memory[0x5001], 0x41);

  Answer(WriteFile("notes.cmd", {0x00, 0x00, 0x7A}));
  commands->Autostart();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Not a program file!"});
  EXPECT_EQ(emu->cpu.PC, 0x5000);
}

TEST_F(MediaCommands, AutostartOfBasicEntersTheRelinkAtTheTextStart) {
  emu->machine.memory[0x40A4] = 0xE9;
  emu->machine.memory[0x40A5] = 0x42;
  EXPECT_EQ(commands->AutostartFile(WriteFile("p.bas", {0xFF, 0x01, 0x02, 0x03}).string()), kBasicProgram);
  EXPECT_EQ(emu->cpu.PC, 0x1AE9);
  EXPECT_EQ(emu->cpu.DE(), 0x42E9);
  EXPECT_EQ(emu->machine.memory[0x42EB], 0x03);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MediaCommands, StartFileRunsMachineCodeAndInsertsAnythingElseAsTheTape) {
  EXPECT_TRUE(emu->StartFile(WriteFile("go.cmd", SmallCommandFile()).string()));
  EXPECT_EQ(emu->cpu.PC, 0x5000);
  EXPECT_FALSE(emu->cassette.Inserted());

  const auto basic = WriteFile("b.bas", {0xFF, 0x01});
  EXPECT_TRUE(emu->StartFile(basic.string()));
  EXPECT_TRUE(emu->cassette.Inserted());
  EXPECT_EQ(emu->cassette.FileName(), basic.string());
  EXPECT_EQ(emu->cpu.PC, 0x5000);

  EXPECT_FALSE(emu->StartFile((fs::path(QUILLOR_TEST_TMP) / "nowhere.cas").string()));
  EXPECT_FALSE(emu->cassette.Inserted());
}

TEST_F(MediaCommands, TextInputAsksAgainStopsTheRunningInputAndReportsAMissingFile) {
  Answer(WriteFile("t.txt", {'A', '\r'}));
  commands->TextInput();
  EXPECT_EQ(host.dialogRequests[0].title, "Text input");
  EXPECT_EQ(host.dialogRequests[0].filter, "Text files (*.txt)|*.TXT|All files (*.*)|*.*");
  EXPECT_EQ(host.dialogRequests[0].initialName, "");
  EXPECT_TRUE(emu->textInput.Active());

  commands->TextInput();  // cancelled: the running input ends
  EXPECT_FALSE(emu->textInput.Active());

  Answer(fs::path(QUILLOR_TEST_TMP) / "no_such.txt");
  commands->TextInput();
  EXPECT_FALSE(emu->textInput.Active());
  EXPECT_EQ(host.messages, std::vector<std::string>{"File not found!"});
}

}  // namespace
}  // namespace quillor
