#include "storage/drive_state.h"

#include <gtest/gtest.h>

#include "storage/disk_image_builder.h"

namespace quillor {
namespace {

TEST(DiskDrivesTest, InsertionKeepsTheNameOnlyForAKnownKind) {
  DiskDrives drives;
  EXPECT_FALSE(drives.AnyDiskPresent());
  EXPECT_EQ(drives.MenuCaption(2), "Drive &2: <Empty>");

  const std::string good = test::WriteTestFile("drive_good.dsk", test::BuildPlainImage(40));
  EXPECT_TRUE(drives.OpenMediaImage(good, 2));
  EXPECT_TRUE(drives.Present(2));
  EXPECT_TRUE(drives.AnyDiskPresent());
  EXPECT_EQ(drives.MenuCaption(2), "Drive &2: " + good);

  // A bad file replaces the disk and leaves the drive empty and unnamed.
  const std::string bad =
      test::WriteTestFile("drive_bad.dsk", test::BuildTrackImage(40, test::kIdentitySlots, 0, 0x10));
  EXPECT_FALSE(drives.OpenMediaImage(bad, 2));
  EXPECT_FALSE(drives.Present(2));
  EXPECT_FALSE(drives.AnyDiskPresent());
  EXPECT_EQ(drives.MenuCaption(2), "Drive &2: <Empty>");
}

TEST(DiskDrivesTest, DamagedTableIsInsertedButNotPresent) {
  auto bytes = test::BuildTableImage(40, test::kScrambledSlots);
  bytes[0] = 1;  // the first entry names track 1
  const std::string path = test::WriteTestFile("drive_damaged.dsk", bytes);
  DiskDrives drives;
  EXPECT_TRUE(drives.OpenMediaImage(path, 0));
  EXPECT_TRUE(drives.Drive(0).open);
  EXPECT_FALSE(drives.Present(0));
  EXPECT_FALSE(drives.AnyDiskPresent());
  EXPECT_EQ(drives.FileName(0), path);
}

TEST(DiskDrivesTest, RemovalClearsNameAndPresenceButKeepsTheHead) {
  DiskDrives drives;
  drives.OpenMediaImage(test::WriteTestFile("drive_a.dsk", test::BuildPlainImage(40)), 1);
  drives.OpenMediaImage(test::WriteTestFile("drive_b.dsk", test::BuildPlainImage(40)), 3);
  drives.HeadPosition(1) = 12;
  drives.RemoveDisk(1);
  EXPECT_FALSE(drives.Present(1));
  EXPECT_TRUE(drives.AnyDiskPresent());  // drive 3 still holds one
  EXPECT_EQ(drives.MenuCaption(1), "Drive &1: <Empty>");
  EXPECT_EQ(drives.HeadPosition(1), 12);
  // The controller sees nothing in a removed drive.
  TrackBuffer buffer{};
  drives.ReadTrack(1, 0, buffer);
  EXPECT_EQ(buffer, TrackBuffer{});
  drives.RemoveDisk(3);
  EXPECT_FALSE(drives.AnyDiskPresent());
}

}  // namespace
}  // namespace quillor
