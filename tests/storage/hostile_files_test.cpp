// Files that are not what they seem or fail under us: a folder, a device or
// a pipe where a file is expected, a file gone before it is opened, an image
// cut short or extended by another program while inserted, and a full disk
// while a recording, a memory block or a picture is saved.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "cpu/cpu_state.h"
#include "display/whole_file.h"
#include "frontend/save_memory.h"
#include "storage/cassette_deck.h"
#include "storage/disk_image_builder.h"
#include "storage/fdc.h"
#include "storage/program_loader.h"
#include "storage/text_input.h"

namespace quillor {
namespace {

namespace fs = std::filesystem;

// Paths that are no regular file, and one that no longer exists.
std::vector<std::string> NotFiles() {
  const fs::path folder = test::TestFilePath("a_folder.dsk");
  fs::create_directories(folder);
  const std::string fifo = test::TestFilePath("a_pipe.dsk");
  fs::remove(fifo);
  EXPECT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string vanished = test::WriteTestFile("vanished.dsk", test::BuildPlainImage(35));
  fs::remove(vanished);  // chosen in the dialog, gone before it is opened
  return {folder.string(), fifo, "/dev/zero", "/dev/null", vanished};
}

TEST(HostileFiles, NoFileWhereAFileIsExpectedIsRefusedByEveryLoader) {
  for (const std::string& path : NotFiles()) {
    SCOPED_TRACE(path);
    DiskDrives drives;
    EXPECT_FALSE(drives.OpenMediaImage(path, 0));
    EXPECT_FALSE(drives.Present(0));
    CassetteDeck deck;
    EXPECT_FALSE(deck.OpenMediaImage(path));
    std::array<uint8_t, 0x10000> memory{};
    CpuState cpu{};
    EXPECT_EQ(LoadProgramFile(path, false, memory, cpu), kNotAProgram);
    TextInput text;
    EXPECT_FALSE(text.Start(path));
  }
}

class InsertedImage : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = test::WriteTestFile("changing.dsk", test::BuildPlainImage(40));
    ASSERT_TRUE(drives_.OpenMediaImage(path_, 0));
    fdc_.DiskInserted(0);
    fdc_.FdcRegisterWrite(kFdcSelectAddress, 0x01);
  }
  void WriteSector(int track, int sector, uint8_t fill) {
    fdc_.FdcRegisterWrite(kFdcTrackAddress, static_cast<uint8_t>(track));
    fdc_.FdcRegisterWrite(kFdcSectorAddress, static_cast<uint8_t>(sector));
    fdc_.FdcRegisterWrite(kFdcCommandAddress, 0xA8);
    for (int i = 0; i < 20000 && fdc_.State().busy; ++i) {
      fdc_.FdcService();
      if (fdc_.State().dataRequest) fdc_.FdcRegisterWrite(kFdcDataAddress, fill);
    }
  }
  std::vector<uint8_t> ReadSector(int track, int sector) {
    fdc_.FdcRegisterWrite(kFdcTrackAddress, static_cast<uint8_t>(track));
    fdc_.FdcRegisterWrite(kFdcSectorAddress, static_cast<uint8_t>(sector));
    fdc_.FdcRegisterWrite(kFdcCommandAddress, 0x88);
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 20000 && fdc_.State().busy; ++i) {
      fdc_.FdcService();
      if (fdc_.State().status & kStatusDataRequest) bytes.push_back(fdc_.FdcRegisterRead(kFdcDataAddress));
    }
    return bytes;
  }
  std::string path_;
  DiskDrives drives_;
  Fdc fdc_{drives_};
};

TEST_F(InsertedImage, CutShortByAnotherProgramItReadsZerosAndIsNotRegrown) {
  fs::resize_file(path_, 10 * kTrackBytes + 100);
  const auto cut = test::ReadTestFile(path_);
  const auto beyond = ReadSector(20, 3);
  EXPECT_EQ(beyond, std::vector<uint8_t>(kSectorBytes, 0));
  WriteSector(20, 3, 0x77);
  WriteSector(2, 3, 0x77);
  EXPECT_EQ(test::ReadTestFile(path_), cut);
  // Inserted again, it is taken for what it now is: no disk at all.
  EXPECT_FALSE(drives_.OpenMediaImage(path_, 0));
}

TEST_F(InsertedImage, ExtendedByAnotherProgramItIsNoLongerWritten) {
  {
    std::ofstream grow(path_, std::ios::binary | std::ios::app);
    grow << std::string(1000, 'x');
  }
  const auto grown = test::ReadTestFile(path_);
  WriteSector(1, 1, 0x66);
  EXPECT_EQ(test::ReadTestFile(path_), grown);
}

// Runs body in a child process whose files may not grow beyond limit bytes,
// as on a full disk; returns the child's exit code.
int WithFileSizeLimit(rlim_t limit, const std::function<bool()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);  // writes then fail with EFBIG instead
    const rlimit r{limit, limit};
    setrlimit(RLIMIT_FSIZE, &r);
    _exit(body() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + status;
}

std::vector<std::string> FolderListing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(HostileFiles, AFullDiskLeavesTheEarlierSavedFilesAsTheyWere) {
  const fs::path folder = testing::ProcessTempFolder("full_disk");
  const std::vector<uint8_t> good(50, 0x42);
  const std::string picture =
      test::WriteTestFile("../full_disk-" + std::to_string(getpid()) + "/shot.jpg", good);
  const std::string memory = (folder / "block.cas").string();
  const std::string tape = (folder / "tape.cas").string();
  test::WriteTestFile("../full_disk-" + std::to_string(getpid()) + "/block.cas", good);
  test::WriteTestFile("../full_disk-" + std::to_string(getpid()) + "/tape.cas", good);
  const auto before = FolderListing(folder);

  // Each save fails: the child reports success when it noticed.
  EXPECT_EQ(WithFileSizeLimit(200, [&] { return !WriteWholeFile(picture, std::vector<uint8_t>(5000, 1)); }),
            0);
  EXPECT_EQ(WithFileSizeLimit(200,
                              [&] {
                                return SaveMemoryToCassette(memory, 0x4000, 0x6000, 0x4000,
                                                            [](uint16_t a) { return uint8_t(a); })
                                    .empty();
                              }),
            0);
  EXPECT_EQ(WithFileSizeLimit(200,
                              [&] {
                                CassetteDeck deck;
                                CassettePanelView view;
                                deck.CassettePortWrite(0x05);
                                deck.BeginSaveDialog();
                                if (!deck.AcceptSaveFileName(tape, view)) return false;
                                for (int i = 0; i < 8 * 2000; ++i) deck.CassetteRecordBit(i & 1);
                                deck.CassettePortWrite(0x00);
                                return true;
                              }),
            0);

  EXPECT_EQ(FolderListing(folder), before);  // no temporary file left behind
  EXPECT_EQ(test::ReadTestFile(picture), good);
  EXPECT_EQ(test::ReadTestFile(memory), good);
  EXPECT_EQ(test::ReadTestFile(tape), good);

  // With room on the disk the same saves replace the files.
  EXPECT_TRUE(WriteWholeFile(picture, std::vector<uint8_t>(5000, 1)));
  EXPECT_EQ(test::ReadTestFile(picture).size(), 5000u);
  EXPECT_EQ(FolderListing(folder), before);
}

TEST(HostileFiles, AFolderNamedLikeTheSavedFileIsLeftAlone) {
  const fs::path folder = testing::ProcessTempFolder("folder_target");
  fs::create_directories(folder / "shot.jpg");
  EXPECT_FALSE(WriteWholeFile(folder / "shot.jpg", std::vector<uint8_t>(10, 1)));
  EXPECT_TRUE(fs::is_directory(folder / "shot.jpg"));
  EXPECT_EQ(FolderListing(folder), std::vector<std::string>{"shot.jpg"});
}

}  // namespace
}  // namespace quillor
