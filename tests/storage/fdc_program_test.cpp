// A Z80 program drives the controller the way a disk operating system does,
// on a bus that maps the controller's registers and services it every 80
// T-states, as the machine's scheduler does.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <memory>

#include "cpu/cpu_state.h"
#include "cpu/execute_step.h"
#include "storage/disk_image_builder.h"
#include "storage/fdc.h"

namespace quillor {
namespace {

constexpr uint16_t kProgramOrigin = 0x5000;
constexpr uint16_t kResults = 0x5F00;
constexpr uint16_t kDoneFlag = 0x5F1F;
constexpr uint16_t kReadBuffer = 0x6000;
constexpr uint16_t kWriteBuffer = 0x6100;
constexpr uint16_t kIdBuffer = 0x6200;
constexpr uint16_t kInterruptLatch = 0x37E0;

struct DiskBus {
  explicit DiskBus(Fdc& controller) : fdc(controller) {}

  uint8_t ReadMemory(uint16_t address, int tstates) {
    stepTStates += tstates;
    if (address == kInterruptLatch) {
      const uint8_t latch = interruptLatch;
      if (tstates != 0) interruptLatch = 0;
      return latch;
    }
    if (address == kFdcSelectAddress || (address >= kFdcCommandAddress && address <= kFdcDataAddress))
      return fdc.FdcRegisterRead(address);
    return memory[address];
  }
  void WriteMemory(uint16_t address, uint8_t value, int tstates) {
    stepTStates += tstates;
    if (address == kFdcSelectAddress || (address >= kFdcCommandAddress && address <= kFdcDataAddress))
      fdc.FdcRegisterWrite(address, value);
    else if (address >= 0x4000) memory[address] = value;
  }
  uint8_t ReadPort(uint16_t) { return 0xFF; }
  void WritePort(uint16_t, uint8_t) {}
  int& StepTStates() { return stepTStates; }

  Fdc& fdc;
  std::array<uint8_t, 0x10000> memory{};
  uint8_t interruptLatch = 0;
  int stepTStates = 0;
};

class FdcProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(DISK_DOS_PROGRAM, std::ios::binary);
    const std::vector<uint8_t> program{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(program.empty()) << DISK_DOS_PROGRAM;
    std::copy(program.begin(), program.end(), bus_->memory.begin() + kProgramOrigin);
    cpu_.PC = kProgramOrigin;
  }

  void InsertDisk(const std::vector<uint8_t>& image, const std::string& name) {
    path_ = test::WriteTestFile(name, image);
    ASSERT_TRUE(drives_.OpenMediaImage(path_, 0));
    fdc_.DiskInserted(0);
  }

  // Runs the program to its end, servicing the controller as the machine's
  // scheduler does. False when it does not finish in time.
  bool Run() {
    int sampleTStates = 0;
    for (long total = 0; total < 40'000'000;) {
      if (bus_->memory[kDoneFlag] == 0xAA) return true;
      ExecuteStep(cpu_, *bus_);
      total += bus_->stepTStates;
      sampleTStates += bus_->stepTStates;
      if (sampleTStates >= kFdcServiceTStates) {
        sampleTStates -= kFdcServiceTStates;
        if (fdc_.ServiceDue()) fdc_.FdcService();
        if (fdc_.TakeInterrupt()) {
          bus_->interruptLatch = 0x40;
          cpu_.InterruptRequest = true;
        }
      }
    }
    return false;
  }

  uint8_t Result(int index) const { return bus_->memory[kResults + index]; }

  DiskDrives drives_;
  Fdc fdc_{drives_};
  std::unique_ptr<DiskBus> bus_ = std::make_unique<DiskBus>(fdc_);
  CpuState cpu_;
  std::string path_;
};

TEST_F(FdcProgramTest, DiskSoftwareReadsWritesAndFormatsThroughTheRegisters) {
  const auto original = test::BuildTrackImage(40, test::kScrambledSlots);
  InsertDisk(original, "dos_run.dsk");
  drives_.HeadPosition(0) = 2;
  ASSERT_TRUE(Run());

  // RESTORE and SEEK end with head-loaded status, track 0 bit, interrupt.
  EXPECT_EQ(Result(0) & 0xFD, 0x24);
  EXPECT_EQ(Result(1), 0x40);
  EXPECT_EQ(Result(2) & 0xFD, 0x20);
  EXPECT_EQ(Result(3), 5);
  EXPECT_EQ(Result(4), 0x40);
  EXPECT_EQ(drives_.HeadPosition(0), 5);

  // The READ was written just after the index hole passed: sector 3 is the
  // seventh to pass the head, 2040 service ticks into the revolution, and its
  // first byte comes with the tick after. The wait loop takes 40 T-states a
  // round; the settle delay before it and the polling add a few hundred.
  const int rounds = Result(5) | (Result(6) << 8);
  const int waited = rounds * 40;
  EXPECT_GT(waited, 2040 * 80 - 800);
  EXPECT_LT(waited, 2042 * 80);
  for (int i = 0; i < kSectorBytes; ++i)
    ASSERT_EQ(bus_->memory[kReadBuffer + i], test::PatternByte(5, 3, i)) << i;
  EXPECT_EQ(Result(7), 0x00);
  EXPECT_EQ(Result(8), 0x40);

  // WRITE sector 7 of track 5 reached the file, in the slot the image gives.
  EXPECT_EQ(Result(9), 0x00);
  EXPECT_EQ(Result(10), 0x00);  // no protection seen
  const auto after = test::ReadTestFile(path_);
  const long sector7 = test::TrackImageDataOffset(5, 1);  // kScrambledSlots[1] = 7
  for (int i = 0; i < kSectorBytes; ++i) ASSERT_EQ(after[sector7 + i], static_cast<uint8_t>(i)) << i;

  // READ ADDRESS: track, side, the sector under the head, size code 1.
  EXPECT_EQ(bus_->memory[kIdBuffer], 5);
  EXPECT_EQ(bus_->memory[kIdBuffer + 1], 0);
  EXPECT_LE(bus_->memory[kIdBuffer + 2], 9);
  EXPECT_EQ(bus_->memory[kIdBuffer + 3], 1);
  EXPECT_EQ(Result(11), 0x00);

  // WRITE TRACK 9 rewrote every sector in its slot, nothing else.
  EXPECT_EQ(Result(12), 0x00);
  for (int slot = 0; slot < kSectorsPerTrack; ++slot) {
    const long at = test::TrackImageDataOffset(9, slot);
    const uint8_t expected = static_cast<uint8_t>(0xE0 + test::kScrambledSlots[slot]);
    for (int i = 0; i < kSectorBytes; ++i) ASSERT_EQ(after[at + i], expected) << slot << " " << i;
  }
  std::size_t differing = 0;
  for (std::size_t i = 0; i < after.size(); ++i) differing += after[i] != original[i];
  EXPECT_LE(differing, static_cast<std::size_t>(11 * kSectorBytes));
}

TEST_F(FdcProgramTest, WriteProtectedDiskIsReportedAndLeftByteIdentical) {
  const auto original = test::BuildTrackImage(40, test::kScrambledSlots, 0xFF);
  InsertDisk(original, "dos_protected.dsk");
  ASSERT_TRUE(Run());
  EXPECT_EQ(Result(9) & kStatusWriteProtected, kStatusWriteProtected);
  EXPECT_EQ(Result(10) & kStatusWriteProtected, kStatusWriteProtected);
  EXPECT_EQ(Result(12) & kStatusWriteProtected, kStatusWriteProtected);
  EXPECT_EQ(test::ReadTestFile(path_), original);
}

}  // namespace
}  // namespace quillor
