#include "storage/disk_image.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/disk_image_builder.h"

namespace quillor {
namespace {

using test::BuildPlainImage;
using test::BuildTableImage;
using test::BuildTrackImage;
using test::kScrambledSlots;
using test::PatternByte;
using test::ReadTestFile;
using test::WriteTestFile;

// Every slot of the buffer holds the sector the image says it does.
void ExpectTrackContents(const DiskImage& image, int track, const TrackBuffer& buffer) {
  for (int id = 0; id < kSectorsPerTrack; ++id) {
    const int slot = image.SlotOf(track, id);
    for (int i = 0; i < kSectorBytes; i += 51)
      ASSERT_EQ(buffer[slot * kSectorBytes + i], PatternByte(track, id, i))
          << "track " << track << " id " << id;
  }
}

TEST(DiskImageTest, RecognisesEachKindBySizeAndHeader) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    DiskImageKind kind;
    int tracks;
  };
  const Case cases[] = {
      {"plain40.dsk", BuildPlainImage(40), DiskImageKind::Plain, 40},
      {"plain80.dsk", BuildPlainImage(80), DiskImageKind::Plain, 80},
      {"table40.dsk", BuildTableImage(40, kScrambledSlots), DiskImageKind::PlainWithSectorTable, 40},
      {"track35.dsk", BuildTrackImage(35, kScrambledSlots), DiskImageKind::TrackImage, 35},
  };
  EXPECT_EQ(cases[0].bytes.size(), 102400u);
  EXPECT_EQ(cases[1].bytes.size(), 204800u);
  EXPECT_EQ(cases[2].bytes.size(), 111104u);
  for (const Case& c : cases) {
    DiskImage image;
    image.Open(WriteTestFile(c.name, c.bytes));
    EXPECT_EQ(image.Kind(), c.kind) << c.name;
    EXPECT_TRUE(image.TablesValid()) << c.name;
    EXPECT_EQ(image.TrackCount(), c.tracks) << c.name;
    EXPECT_FALSE(image.WriteProtected()) << c.name;
    TrackBuffer buffer{};
    for (int track : {0, 1, c.tracks - 1}) {
      image.ReadTrack(track, buffer);
      ExpectTrackContents(image, track, buffer);
    }
  }
}

TEST(DiskImageTest, SectorTablesPlaceSectorsInTheirSlots) {
  for (auto bytes : {BuildTableImage(40, kScrambledSlots), BuildTrackImage(40, kScrambledSlots)}) {
    DiskImage image;
    image.Open(WriteTestFile("scrambled.dsk", bytes));
    for (int slot = 0; slot < kSectorsPerTrack; ++slot)
      EXPECT_EQ(image.SlotOf(7, kScrambledSlots[slot]), slot);
    EXPECT_EQ(image.SlotOf(80, 3), 3);  // beyond any map: identity
  }
}

TEST(DiskImageTest, RejectsFilesOfNoKnownKind) {
  auto withByte = [](std::vector<uint8_t> bytes, std::size_t at, uint8_t value) {
    bytes[at] = value;
    return bytes;
  };
  const auto good = BuildTrackImage(35, test::kIdentitySlots);
  const std::vector<std::vector<uint8_t>> bad = {
      BuildTrackImage(35, test::kIdentitySlots, 0x00, 0x10),  // flags lack bit 6
      BuildTrackImage(35, test::kIdentitySlots, 0x00, 0x40),  // flags lack bit 4
      withByte(good, 0, 0x01),                                // neither writable nor protected
      withByte(good, 1, 34),                                  // too few tracks
      withByte(good, 1, 81),                                  // too many tracks
      std::vector<uint8_t>(10, 0x00),                         // shorter than the header
      {},                                                     // empty file
  };
  for (std::size_t i = 0; i < bad.size(); ++i) {
    DiskImage image;
    image.Open(WriteTestFile("bad.dsk", bad[i]));
    EXPECT_EQ(image.Kind(), DiskImageKind::None) << "case " << i;
    EXPECT_FALSE(image.IsOpen()) << "case " << i;
  }
  DiskImage missing;
  missing.Open(test::TestFilePath("no-such-file.dsk"));
  EXPECT_FALSE(missing.IsOpen());
}

TEST(DiskImageTest, DamagedTablesLeaveTheImageOpenButUnusable) {
  const long id0 = 16 + 128 + test::kSlotGap;  // track 0, slot 0 ID field
  auto damaged = [](std::vector<uint8_t> bytes, long at, uint8_t value) {
    bytes[static_cast<std::size_t>(at)] = value;
    return bytes;
  };
  auto track = BuildTrackImage(35, test::kIdentitySlots);
  auto truncated = track;
  truncated.resize(truncated.size() - 300);  // last sector's data runs past the end
  const std::vector<std::vector<uint8_t>> cases = {
      damaged(BuildTableImage(40, kScrambledSlots), 0, 1),         // first entry names track 1
      damaged(BuildTableImage(40, kScrambledSlots), 1, 10),        // sector ID 10
      damaged(track, 16, 0xF0),                                    // pointer 0 into a gap
      damaged(track, 16 + 34 * test::kTestTrackLength + 1, 0xFF),  // last track's pointer beyond the file
      damaged(track, id0, 0xFD),                                   // no ID mark
      damaged(track, id0 + 1, 5),                                  // ID of the wrong track
      damaged(track, id0 + 3, 12),                                 // sector ID above 9
      damaged(track, id0 + test::kIdToDataMark, 0x00),             // no data mark
      truncated,
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    DiskImage image;
    image.Open(WriteTestFile("damaged.dsk", cases[i]));
    EXPECT_TRUE(image.IsOpen()) << "case " << i;
    EXPECT_FALSE(image.TablesValid()) << "case " << i;
    TrackBuffer buffer{};
    buffer.fill(0xAA);
    image.ReadTrack(0, buffer);  // reads nothing from an unusable image
    EXPECT_EQ(buffer[0], 0xAA) << "case " << i;
  }
}

TEST(DiskImageTest, WritesOnlyTheDataOfTheTrack) {
  for (auto original :
       {BuildPlainImage(40), BuildTableImage(40, kScrambledSlots), BuildTrackImage(40, kScrambledSlots)}) {
    const std::string path = WriteTestFile("write.dsk", original);
    DiskImage image;
    image.Open(path);
    TrackBuffer buffer{};
    image.ReadTrack(5, buffer);
    TrackBuffer changed = buffer;
    for (auto& b : changed) b = static_cast<uint8_t>(~b);
    image.WriteTrack(5, changed);

    DiskImage reopened;
    reopened.Open(path);
    TrackBuffer back{};
    reopened.ReadTrack(5, back);
    EXPECT_EQ(back, changed);
    reopened.ReadTrack(4, back);
    ExpectTrackContents(reopened, 4, back);
    // Only the 2560 data bytes differ: headers, IDs, gaps and CRCs stay.
    const auto after = ReadTestFile(path);
    ASSERT_EQ(after.size(), original.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < after.size(); ++i) differing += after[i] != original[i];
    EXPECT_EQ(differing, static_cast<std::size_t>(kTrackBytes));
  }
}

TEST(DiskImageTest, TracksBeyondTheImageReadAsZerosAndAreNeverWritten) {
  const auto original = BuildPlainImage(40);
  const std::string path = WriteTestFile("short.dsk", original);
  DiskImage image;
  image.Open(path);
  TrackBuffer buffer{};
  buffer.fill(0x55);
  image.ReadTrack(40, buffer);
  EXPECT_EQ(buffer, TrackBuffer{});
  buffer.fill(0x55);
  image.WriteTrack(40, buffer);
  image.WriteTrack(200, buffer);
  image.WriteTrack(-1, buffer);
  EXPECT_EQ(ReadTestFile(path), original);
}

TEST(DiskImageTest, TrackImageHeaderCanProtectTheDisk) {
  DiskImage image;
  image.Open(WriteTestFile("protected.dsk", BuildTrackImage(35, kScrambledSlots, 0xFF)));
  EXPECT_TRUE(image.TablesValid());
  EXPECT_TRUE(image.WriteProtected());
}

TEST(DiskImageTest, FileThatCannotBeWrittenIsInsertedProtected) {
  const auto plain = BuildPlainImage(35);
  const std::string path = WriteTestFile("readonly.dsk", plain);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  if (std::FILE* f = std::fopen(path.c_str(), "r+b")) {
    std::fclose(f);
    GTEST_SKIP() << "this user may write read-only files (running as root)";
  }
  DiskImage readOnly;
  readOnly.Open(path);
  EXPECT_EQ(readOnly.Kind(), DiskImageKind::Plain);
  EXPECT_TRUE(readOnly.WriteProtected());
  TrackBuffer zeros{};
  readOnly.WriteTrack(0, zeros);
  EXPECT_EQ(ReadTestFile(path), plain);
}

}  // namespace
}  // namespace quillor
