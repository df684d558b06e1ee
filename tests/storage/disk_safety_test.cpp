// A disk's bytes stay on that disk: a drive change in the middle of a write,
// an image whose sectors overlap, and image files that change or fail under
// the controller.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "storage/disk_image_builder.h"
#include "storage/fdc.h"

namespace quillor {
namespace {

class DiskSafetyTest : public ::testing::Test {
 protected:
  std::string Insert(int drive, const std::vector<uint8_t>& bytes, const std::string& name) {
    const std::string path = test::WriteTestFile(name, bytes);
    EXPECT_TRUE(drives_.OpenMediaImage(path, drive));
    if (drives_.Present(drive)) fdc_.DiskInserted(drive);
    return path;
  }
  void Write(uint16_t address, uint8_t value) { fdc_.FdcRegisterWrite(address, value); }
  uint8_t Status() { return fdc_.FdcRegisterRead(kFdcCommandAddress); }
  int TickUntil(const std::function<bool()>& done, int limit = 100000) {
    for (int n = 1; n <= limit; ++n) {
      fdc_.FdcService();
      if (done()) return n;
    }
    return -1;
  }
  // WRITE SECTOR of `sector` on `track` of the selected drive, the data
  // bytes given by fill(i); between(i) runs before byte i is answered.
  void WriteSector(
      int track, int sector, const std::function<uint8_t(int)>& fill,
      const std::function<void(int)>& between = [](int) {}) {
    Write(kFdcTrackAddress, static_cast<uint8_t>(track));
    Write(kFdcSectorAddress, static_cast<uint8_t>(sector));
    Write(kFdcCommandAddress, 0xA8);
    int fed = 0;
    ASSERT_GT(TickUntil([&] {
                if (fdc_.State().dataRequest) {
                  between(fed);
                  Write(kFdcDataAddress, fill(fed));
                  ++fed;
                }
                return !fdc_.State().busy;
              }),
              0);
  }
  std::vector<uint8_t> ReadSector(int track, int sector) {
    Write(kFdcTrackAddress, static_cast<uint8_t>(track));
    Write(kFdcSectorAddress, static_cast<uint8_t>(sector));
    Write(kFdcCommandAddress, 0x88);
    std::vector<uint8_t> bytes;
    // READ presents a byte each tick, flagged by status bit 1.
    TickUntil([&] {
      if (fdc_.State().status & kStatusDataRequest) bytes.push_back(fdc_.FdcRegisterRead(kFdcDataAddress));
      return !fdc_.State().busy;
    });
    return bytes;
  }

  DiskDrives drives_;
  Fdc fdc_{drives_};
};

std::vector<uint8_t> Filled(int tracks, uint8_t value) {
  return std::vector<uint8_t>(static_cast<std::size_t>(tracks) * kTrackBytes, value);
}

TEST_F(DiskSafetyTest, DriveChangeDuringAWriteNeverCarriesOneDisksBytesToAnother) {
  const std::string first = Insert(0, Filled(35, 0xAA), "safety_first.dsk");
  const std::string second = Insert(1, Filled(35, 0xBB), "safety_second.dsk");
  Write(kFdcSelectAddress, 0x01);
  // Half the sector is written with drive 0 selected, the rest with drive 1.
  WriteSector(
      0, 3, [](int) { return uint8_t{0x11}; },
      [&](int i) {
        if (i == 128) Write(kFdcSelectAddress, 0x02);
      });

  const auto a = test::ReadTestFile(first);
  const auto b = test::ReadTestFile(second);
  EXPECT_EQ(a, Filled(35, 0xAA));
  EXPECT_EQ(std::count(b.begin(), b.end(), 0xAA), 0);
  // The sector went to the drive selected when it was committed, into its
  // own track; the other nine sectors of that track are as they were.
  EXPECT_EQ(std::count(b.begin(), b.end(), 0x11), kSectorBytes);
  EXPECT_TRUE(std::all_of(b.begin() + 3 * kSectorBytes, b.begin() + 4 * kSectorBytes,
                          [](uint8_t v) { return v == 0x11; }));
  EXPECT_EQ(b.size(), a.size());
}

TEST_F(DiskSafetyTest, DiskInsertedElsewhereDuringAWriteLeavesTheWrittenTrackWhole) {
  const std::string path = Insert(0, test::BuildPlainImage(40), "safety_track.dsk");
  const auto original = test::ReadTestFile(path);
  Write(kFdcSelectAddress, 0x01);
  // The insertion loads track 0 of drive 1 into the buffer; the running
  // write of track 5 must not take track 0's sectors along.
  WriteSector(
      5, 2, [](int) { return uint8_t{0x22}; },
      [&](int i) {
        if (i == 10) Insert(1, test::BuildPlainImage(40), "safety_other.dsk");
      });
  const auto after = test::ReadTestFile(path);
  ASSERT_EQ(after.size(), original.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    const bool written = i >= 5 * kTrackBytes + 2 * kSectorBytes && i < 5 * kTrackBytes + 3 * kSectorBytes;
    ASSERT_EQ(after[i], written ? 0x22 : original[i]) << i;
  }
}

TEST_F(DiskSafetyTest, FormattingAfterADriveChangeLeavesTheFirstDiskAlone) {
  const std::string first = Insert(0, Filled(35, 0xAA), "safety_fmt_a.dsk");
  const std::string second = Insert(1, Filled(35, 0xBB), "safety_fmt_b.dsk");
  Write(kFdcSelectAddress, 0x01);
  std::vector<uint8_t> stream(12, 0xFF);
  for (uint8_t id : kSectorInterleave) {
    const uint8_t header[] = {0xFE, 0, 0, id, 1, 0xF7};
    stream.insert(stream.end(), std::begin(header), std::end(header));
    stream.insert(stream.end(), 11, 0xFF);
    stream.push_back(0xFB);
    stream.insert(stream.end(), kSectorBytes, 0x33);
    stream.push_back(0xF7);
    stream.insert(stream.end(), 12, 0xFF);
  }
  stream.insert(stream.end(), 200, 0xFF);
  std::size_t next = 0;
  Write(kFdcCommandAddress, 0xF4);
  TickUntil(
      [&] {
        if (fdc_.State().dataRequest && next < stream.size()) {
          if (next == 2900) Write(kFdcSelectAddress, 0x02);  // in the closing gap
          Write(kFdcDataAddress, stream[next++]);
        }
        return !fdc_.State().busy;
      },
      20 * 3696);
  const auto a = test::ReadTestFile(first);
  const auto b = test::ReadTestFile(second);
  // Every sector was committed to drive 0; the end of the track must not
  // write drive 0's track onto drive 1.
  EXPECT_EQ(b, Filled(35, 0xBB));
  EXPECT_EQ(std::count(a.begin(), a.end(), 0x33), kTrackBytes);
}

TEST_F(DiskSafetyTest, ReselectingTheDriveDuringAWriteKeepsTheSectorInItsSlot) {
  // Disk software writes the select latch again and again to keep the motor
  // running; the sector must still land where the disk's table puts it.
  const auto original = test::BuildTableImage(40, test::kScrambledSlots);
  const std::string path = Insert(0, original, "safety_reselect.dsk");
  Write(kFdcSelectAddress, 0x01);
  WriteSector(
      6, 4, [](int i) { return static_cast<uint8_t>(0x40 ^ i); },
      [&](int i) {
        if (i % 64 == 0) Write(kFdcSelectAddress, 0x01);
      });
  const auto after = test::ReadTestFile(path);
  const long at = 8704 + 6 * kTrackBytes + 9 * kSectorBytes;  // sector 4 lives in slot 9
  for (int i = 0; i < kSectorBytes; ++i) ASSERT_EQ(after[at + i], static_cast<uint8_t>(0x40 ^ i)) << i;
  std::size_t differing = 0;
  for (std::size_t i = 0; i < after.size(); ++i) differing += after[i] != original[i];
  EXPECT_LE(differing, static_cast<std::size_t>(kSectorBytes));
}

// A track image whose slot 1 ID field is planted inside slot 0's data: the
// first write of sector 0 would wipe it out.
std::vector<uint8_t> IdInsideData() {
  auto image = test::BuildTrackImage(40, test::kIdentitySlots);
  const long data0 = test::TrackImageDataOffset(0, 0);
  const long fake = data0 + 40;
  const long pointer = fake - 16;  // offset within track 0
  image[16 + 2] = pointer & 0xFF;
  image[16 + 3] = static_cast<uint8_t>(pointer >> 8);
  const uint8_t field[] = {0xFE, 0, 0, 1, 1, 0, 0, 0xFF, 0xFB};
  std::copy(std::begin(field), std::end(field), image.begin() + fake);
  return image;
}

// Slot 1's ID field sits in slot 0's gap, so both slots share one data area.
std::vector<uint8_t> SharedData() {
  auto image = test::BuildTrackImage(40, test::kIdentitySlots);
  const long id0 = test::TrackImageDataOffset(0, 0) - test::kIdToDataMark - 1;
  const long id1 = id0 + 4;
  const long pointer = id1 - 16;
  image[16 + 2] = pointer & 0xFF;
  image[16 + 3] = static_cast<uint8_t>(pointer >> 8);
  const uint8_t field[] = {0xFE, 0, 0, 1};
  std::copy(std::begin(field), std::end(field), image.begin() + id1);
  return image;
}

TEST_F(DiskSafetyTest, OverlappingSectorsAreInsertedWriteProtectedWithAReason) {
  for (const auto& [name, image] : {std::pair{"safety_id_in_data.dsk", IdInsideData()},
                                    std::pair{"safety_shared_data.dsk", SharedData()}}) {
    SCOPED_TRACE(name);
    const std::string path = Insert(0, image, name);
    ASSERT_TRUE(drives_.Present(0));
    EXPECT_TRUE(drives_.WriteProtected(0));
    EXPECT_FALSE(drives_.Drive(0).image.Notice().empty());
    Write(kFdcSelectAddress, 0x01);
    WriteSector(0, 0, [](int) { return uint8_t{0x00}; });
    WriteSector(0, 1, [](int) { return uint8_t{0x55}; });
    EXPECT_NE(Status() & kStatusWriteProtected, 0);
    EXPECT_EQ(test::ReadTestFile(path), image);
    // The disk still reads.
    EXPECT_EQ(ReadSector(0, 2).size(), static_cast<std::size_t>(kSectorBytes));
  }
}

TEST_F(DiskSafetyTest, AWellFormedTrackImageStaysWritableAndWithoutNotice) {
  const std::string path = Insert(0, test::BuildTrackImage(40, test::kScrambledSlots), "safety_good.dsk");
  EXPECT_FALSE(drives_.WriteProtected(0));
  EXPECT_TRUE(drives_.Drive(0).image.Notice().empty());
  Write(kFdcSelectAddress, 0x01);
  WriteSector(7, 4, [](int i) { return static_cast<uint8_t>(i * 3); });
  const auto back = ReadSector(7, 4);
  ASSERT_EQ(back.size(), static_cast<std::size_t>(kSectorBytes));
  for (int i = 0; i < kSectorBytes; ++i) ASSERT_EQ(back[i], static_cast<uint8_t>(i * 3)) << i;
  DiskImage reopened;
  reopened.Open(path);
  EXPECT_TRUE(reopened.TablesValid());
}

}  // namespace
}  // namespace quillor
