#include "storage/fdc.h"

#include <gtest/gtest.h>

#include <functional>

#include "storage/disk_image_builder.h"

namespace quillor {
namespace {

class FdcTest : public ::testing::Test {
 protected:
  void Insert(int drive, const std::vector<uint8_t>& bytes, const std::string& name) {
    path_ = test::WriteTestFile(name, bytes);
    ASSERT_TRUE(drives_.OpenMediaImage(path_, drive));
    fdc_.DiskInserted(drive);
  }
  void Write(uint16_t address, uint8_t value) { fdc_.FdcRegisterWrite(address, value); }
  uint8_t Read(uint16_t address) { return fdc_.FdcRegisterRead(address); }
  uint8_t Status() { return Read(kFdcCommandAddress); }
  void Tick(int n = 1) {
    for (int i = 0; i < n && fdc_.ServiceDue(); ++i) fdc_.FdcService();
  }
  // Ticks until done() holds; the number of ticks taken, or -1 after limit.
  int TickUntil(const std::function<bool()>& done, int limit = 100000) {
    for (int n = 1; n <= limit; ++n) {
      fdc_.FdcService();
      if (done()) return n;
    }
    return -1;
  }
  int RunCommand(uint8_t command) {
    Write(kFdcCommandAddress, command);
    return TickUntil([&] { return !fdc_.State().busy; });
  }
  // Runs until the disk has just passed its index, so that the next tick
  // starts a revolution.
  void AlignToRevolutionStart() {
    TickUntil([&] { return fdc_.State().rotationCounter == kRevolution - 1; });
  }
  const FdcState& S() const { return fdc_.State(); }

  static constexpr int kRevolution = 3696;
  static constexpr int kStep = 267;  // ticks from a step's start to the step
  DiskDrives drives_;
  Fdc fdc_{drives_};
  std::string path_;
};

TEST_F(FdcTest, StatusReadsAllOnesWithoutAnyDisk) {
  EXPECT_EQ(Status(), 0xFF);
  Write(kFdcSelectAddress, 0x01);
  EXPECT_EQ(Status(), 0xFF);
  Insert(1, test::BuildPlainImage(40), "fdc_status.dsk");
  EXPECT_EQ(Status() & kStatusNotReady, kStatusNotReady);  // drive 0 selected, empty
  EXPECT_EQ(Read(0x37E2), 0xFF);
}

TEST_F(FdcTest, DriveSelectLightsTheLampAndTheMotorTimesOut) {
  Insert(0, test::BuildPlainImage(40), "fdc_motor.dsk");
  Write(kFdcSelectAddress, 0x02);
  EXPECT_EQ(S().selectedDrive, 1);
  EXPECT_TRUE(S().driveLeds[1]);
  EXPECT_TRUE(fdc_.TakeLampsChanged());
  EXPECT_FALSE(fdc_.TakeLampsChanged());

  Write(kFdcSelectAddress, 0x01);
  Tick(100);
  EXPECT_EQ(fdc_.NotReady(), 0x00);
  EXPECT_EQ(Read(kFdcSelectAddress), 0x01);
  // A latch naming no single drive keeps the drive but restarts the motor.
  Write(kFdcSelectAddress, 0x03);
  EXPECT_EQ(S().selectedDrive, 0);
  EXPECT_EQ(fdc_.IdleCounter(), 0);
  EXPECT_EQ(Read(kFdcSelectAddress), 0x03);
  EXPECT_TRUE(S().driveLeds[0]);
  fdc_.TakeLampsChanged();

  Tick(kMotorTimeoutTicks);
  EXPECT_EQ(fdc_.IdleCounter(), kMotorTimeoutTicks);
  EXPECT_TRUE(fdc_.ServiceDue());
  EXPECT_FALSE(fdc_.TakeLampsChanged());
  Tick();
  EXPECT_FALSE(fdc_.ServiceDue());
  EXPECT_EQ(fdc_.NotReady(), kStatusNotReady);
  EXPECT_FALSE(S().driveLeds[0]);
  EXPECT_TRUE(fdc_.TakeLampsChanged());
  EXPECT_TRUE(fdc_.TakeStatusRedraw());
  EXPECT_EQ(Status() & kStatusNotReady, kStatusNotReady);
}

TEST_F(FdcTest, RestoreSeekAndStepMoveTheHeadAtTheStepRate) {
  Insert(0, test::BuildPlainImage(80), "fdc_steps.dsk");
  Write(kFdcSelectAddress, 0x01);
  drives_.HeadPosition(0) = 3;
  EXPECT_EQ(RunCommand(0x00), 3 * kStep + 1);
  EXPECT_EQ(drives_.HeadPosition(0), 0);
  EXPECT_EQ(S().status & 0x7D, 0x24);
  EXPECT_TRUE(fdc_.TakeInterrupt());
  EXPECT_FALSE(fdc_.TakeInterrupt());
  EXPECT_TRUE(fdc_.TakeStepClick());

  // SEEK to where the head stands finishes on the next tick.
  Write(kFdcDataAddress, 0);
  EXPECT_EQ(RunCommand(0x10), 1);
  EXPECT_EQ(S().status & 0x7D, 0x24);
  EXPECT_TRUE(fdc_.TakeInterrupt());

  Write(kFdcDataAddress, 10);
  EXPECT_EQ(RunCommand(0x10), 10 * kStep + 1);
  EXPECT_EQ(S().track, 10);
  Write(kFdcDataAddress, 5);
  RunCommand(0x10);
  EXPECT_EQ(S().track, 5);
  // STEP repeats the last direction (out) and updates the track register.
  RunCommand(0x30);
  EXPECT_EQ(drives_.HeadPosition(0), 4);
  EXPECT_EQ(S().track, 4);
  EXPECT_EQ(S().command, 0x70);
  // STEP IN without the update bit moves the head only.
  RunCommand(0x40);
  EXPECT_EQ(drives_.HeadPosition(0), 5);
  EXPECT_EQ(S().track, 4);
  EXPECT_EQ(S().bufferedTrack, 5);

  drives_.HeadPosition(0) = kLastTrack;
  fdc_.TakeInterrupt();
  RunCommand(0x50);
  EXPECT_EQ(drives_.HeadPosition(0), kLastTrack);
  EXPECT_EQ(S().status & kStatusSeekError, kStatusSeekError);
  EXPECT_TRUE(fdc_.TakeInterrupt());
}

TEST_F(FdcTest, SeekBeyondTheLastTrackEndsThereWithASeekError) {
  Insert(0, test::BuildPlainImage(80), "fdc_seek_far.dsk");
  Write(kFdcSelectAddress, 0x01);
  drives_.HeadPosition(0) = 78;
  Write(kFdcDataAddress, 90);
  EXPECT_GT(RunCommand(0x10), 0);
  EXPECT_EQ(drives_.HeadPosition(0), kLastTrack);
  EXPECT_EQ(S().track, kLastTrack);
  EXPECT_EQ(S().status & kStatusSeekError, kStatusSeekError);
}

TEST_F(FdcTest, ReadDeliversTheSectorAsItPassesTheHead) {
  Insert(0, test::BuildTrackImage(40, test::kScrambledSlots), "fdc_read.dsk");
  Write(kFdcSelectAddress, 0x01);
  Write(kFdcTrackAddress, 17);
  Write(kFdcSectorAddress, 3);
  AlignToRevolutionStart();
  Write(kFdcCommandAddress, 0x88);
  // Sector 3 is the seventh to pass, 2040 ticks into the revolution; its
  // first byte comes on the tick after.
  EXPECT_EQ(TickUntil([&] { return (S().status & kStatusDataRequest) != 0; }), 2042);
  for (int i = 0; i < kSectorBytes; ++i) {
    // A debugger peek leaves the request standing.
    EXPECT_EQ(fdc_.PeekRegister(kFdcDataAddress), test::PatternByte(17, 3, i));
    EXPECT_EQ(Status() & 0x23, 0x23) << i;
    ASSERT_EQ(Read(kFdcDataAddress), test::PatternByte(17, 3, i)) << i;
    EXPECT_EQ(Status() & kStatusDataRequest, 0);
    Tick();
  }
  EXPECT_FALSE(S().busy);
  EXPECT_EQ(Status(), 0x20);
  EXPECT_TRUE(fdc_.TakeInterrupt());
}

TEST_F(FdcTest, ForceInterruptStopsAReadWhichCanThenBeRepeated) {
  Insert(0, test::BuildPlainImage(40), "fdc_force.dsk");
  Write(kFdcSelectAddress, 0x01);
  Write(kFdcTrackAddress, 2);
  Write(kFdcSectorAddress, 0);
  Write(kFdcCommandAddress, 0x88);
  TickUntil([&] { return S().byteIndex == 10; });
  Write(kFdcCommandAddress, 0xD0);
  Tick();
  EXPECT_FALSE(S().busy);
  EXPECT_EQ(S().status & 0x7D, 0x24);  // head still at track 0
  EXPECT_TRUE(fdc_.TakeInterrupt());

  // The same sector again starts from its first byte.
  Write(kFdcCommandAddress, 0x88);
  ASSERT_GT(TickUntil([&] { return S().byteIndex == 1; }), 0);
  EXPECT_EQ(Read(kFdcDataAddress), test::PatternByte(2, 0, 0));
}

TEST_F(FdcTest, ReadTrackAndUndecodedCommandsStayBusy) {
  Insert(0, test::BuildPlainImage(40), "fdc_rdtrack.dsk");
  Write(kFdcSelectAddress, 0x01);
  for (uint8_t command : {0xE4, 0xE5, 0xC0, 0xFF}) {
    Write(kFdcCommandAddress, command);
    Tick(2 * kRevolution);
    EXPECT_TRUE(S().busy) << int(command);
    EXPECT_EQ(Status() & kStatusBusy, kStatusBusy);
    EXPECT_FALSE(fdc_.TakeInterrupt());
  }
  EXPECT_EQ(RunCommand(0xD0), 1);
}

TEST_F(FdcTest, ReadOnAnEmptyDriveDeliversZerosAndEndsWithBit6) {
  Insert(1, test::BuildPlainImage(40), "fdc_empty.dsk");
  Write(kFdcSelectAddress, 0x01);
  Write(kFdcSectorAddress, 0);
  Write(kFdcCommandAddress, 0x88);
  int bytes = 0;
  TickUntil([&] {
    if (S().status & kStatusDataRequest) bytes += Read(kFdcDataAddress) == 0;
    return !S().busy;
  });
  EXPECT_EQ(bytes, kSectorBytes);
  EXPECT_EQ(Status(), kStatusWriteProtected | kStatusNotReady);
  EXPECT_TRUE(fdc_.TakeInterrupt());
}

TEST_F(FdcTest, ReadAddressGivesTheIdOfTheSectorUnderTheHead) {
  Insert(0, test::BuildPlainImage(40), "fdc_rdaddr.dsk");
  Write(kFdcSelectAddress, 0x01);
  drives_.HeadPosition(0) = 2;
  RunCommand(0x00);  // the ID's track is that of the track last loaded
  fdc_.TakeInterrupt();
  AlignToRevolutionStart();
  Tick(341);  // sector 5 is under the head
  Write(kFdcCommandAddress, 0xC4);
  std::vector<uint8_t> id;
  TickUntil([&] {
    if (S().dataRequest) id.push_back(Read(kFdcDataAddress));
    return !S().busy;
  });
  EXPECT_EQ(id, (std::vector<uint8_t>{0, 0, 5, 1, 0, 0}));
  EXPECT_TRUE(fdc_.TakeInterrupt());
}

TEST_F(FdcTest, WriteSectorCommitsAfterTheExtraRequestWithoutInterrupt) {
  const auto original = test::BuildTrackImage(40, test::kScrambledSlots);
  Insert(0, original, "fdc_write.dsk");
  Write(kFdcSelectAddress, 0x01);
  Write(kFdcTrackAddress, 6);
  Write(kFdcSectorAddress, 4);
  Write(kFdcCommandAddress, 0xA8);
  int fed = 0;
  TickUntil([&] {
    if (S().dataRequest) Write(kFdcDataAddress, static_cast<uint8_t>(0xC0 ^ fed++));
    return !S().busy;
  });
  EXPECT_EQ(fed, kSectorBytes + 1);
  EXPECT_FALSE(fdc_.TakeInterrupt());
  const auto after = test::ReadTestFile(path_);
  const int slot = 9;  // sector 4 lives in slot 9 of kScrambledSlots
  const long at = test::TrackImageDataOffset(6, slot);
  for (int i = 0; i < kSectorBytes; ++i) ASSERT_EQ(after[at + i], static_cast<uint8_t>(0xC0 ^ i)) << i;
  std::size_t differing = 0;
  for (std::size_t i = 0; i < after.size(); ++i) differing += after[i] != original[i];
  EXPECT_LE(differing, static_cast<std::size_t>(kSectorBytes));
}

TEST_F(FdcTest, WriteProtectedDiskTakesTheDataButKeepsTheFile) {
  const auto original = test::BuildTrackImage(40, test::kScrambledSlots, 0xFF);
  Insert(0, original, "fdc_protected.dsk");
  Write(kFdcSelectAddress, 0x01);
  Write(kFdcSectorAddress, 1);
  Write(kFdcCommandAddress, 0xA8);
  bool reported = false;
  TickUntil([&] {
    reported = reported || (Status() & kStatusWriteProtected);
    if (S().dataRequest) Write(kFdcDataAddress, 0x00);
    return !S().busy;
  });
  EXPECT_TRUE(reported);
  EXPECT_EQ(test::ReadTestFile(path_), original);
}

TEST_F(FdcTest, WriteTrackRewritesEverySectorInItsSlot) {
  const auto original = test::BuildTableImage(40, test::kScrambledSlots);
  Insert(0, original, "fdc_format.dsk");
  Write(kFdcSelectAddress, 0x01);
  // The byte stream of a formatted track: gap, then for each sector in
  // interleave order an ID field, gap, data mark, data and CRC, then a long
  // closing gap.
  std::vector<uint8_t> stream(12, 0xFF);
  for (uint8_t id : kSectorInterleave) {
    const uint8_t header[] = {0xFE, 3, 0, id, 1, 0xF7};
    stream.insert(stream.end(), std::begin(header), std::end(header));
    stream.insert(stream.end(), 11, 0xFF);
    stream.push_back(0xFB);
    stream.insert(stream.end(), kSectorBytes, static_cast<uint8_t>(0xA0 + id));
    stream.push_back(0xF7);
    stream.insert(stream.end(), 12, 0xFF);
  }
  stream.insert(stream.end(), 200, 0xFF);
  std::size_t next = 0;
  Write(kFdcCommandAddress, 0xF4);
  TickUntil(
      [&] {
        if (S().dataRequest && next < stream.size()) Write(kFdcDataAddress, stream[next++]);
        return !S().busy;
      },
      20 * kRevolution);
  EXPECT_FALSE(S().busy);
  EXPECT_TRUE(fdc_.TakeInterrupt());
  const auto after = test::ReadTestFile(path_);
  for (int slot = 0; slot < kSectorsPerTrack; ++slot) {
    const std::size_t at = 8704 + 3 * kTrackBytes + slot * kSectorBytes;
    EXPECT_EQ(after[at], 0xA0 + test::kScrambledSlots[slot]) << slot;
    EXPECT_EQ(after[at + 255], 0xA0 + test::kScrambledSlots[slot]) << slot;
  }
  // Nothing outside track 3 changed.
  for (std::size_t i = 0; i < after.size(); ++i)
    if (i < 8704 + 3 * kTrackBytes || i >= 8704 + 4 * kTrackBytes) {
      ASSERT_EQ(after[i], original[i]) << i;
    }
}

}  // namespace
}  // namespace quillor
