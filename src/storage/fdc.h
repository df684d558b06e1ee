// The floppy disk controller at 0x37E1 and 0x37EC-0x37EF.
//
// 0x37E1 selects a drive (latch 1, 2, 4, 8 = drive 0-3; other values keep the
// drive) and lights its lamp; 0x37EC is the command register when written and
// the status register when read; 0x37ED track, 0x37EE sector, 0x37EF data.
//
// The controller works one track at a time through a 2560-byte track buffer
// that it fills from and writes back to the drives (DiskDrives); it knows
// nothing of image files. It runs in service ticks of 80 T-states, one data
// byte per tick. The disk turns once in 3696 ticks (30046 without a disk):
// sector IDs pass the head every 340 ticks in the order 0 5 1 6 2 7 3 8 4 9,
// then a gap; the index hole is under the sensor for the last 45 ticks. A head
// step takes 266 ticks. With no command and no drive select for 60000 ticks
// the motor stops: not ready, lamps out, and the service is no longer needed
// until the next command or select.
//
// Transfers are paced by the disk. READ presents one byte per tick with
// status bit 1 and never reports lost data. WRITE SECTOR and WRITE TRACK ask
// for each byte through the data request and ask once more after the last
// one; the sector is committed when that request has been answered. WRITE
// SECTOR ends without an interrupt; every other command ends with one.
//
// A drive select during a transfer does not stop it: the processor sees the
// same requests and status as before. A sector is committed to the drive
// selected at that moment, into that disk's own copy of the track, read
// afresh if the buffer holds another disk's or another track's bytes; so the
// bytes of one disk never reach another.
#pragma once

#include <cstdint>

#include "storage/drive_state.h"
#include "storage/fdc_state.h"

namespace quillor {

inline constexpr uint16_t kFdcSelectAddress = 0x37E1;
inline constexpr uint16_t kFdcCommandAddress = 0x37EC;
inline constexpr uint16_t kFdcTrackAddress = 0x37ED;
inline constexpr uint16_t kFdcSectorAddress = 0x37EE;
inline constexpr uint16_t kFdcDataAddress = 0x37EF;
inline constexpr int kFdcServiceTStates = 80;

enum class FdcCommandGroup {
  Restore,
  Seek,
  Step,
  StepIn,
  StepOut,
  ReadSector,
  WriteSector,
  ReadAddress,
  ForceInterrupt,
  ReadTrack,
  WriteTrack,
  Undecoded
};
FdcCommandGroup FdcCommandGroupOf(uint8_t command);

class Fdc {
 public:
  explicit Fdc(DiskDrives& drives) : drives_(drives) {}
  Fdc(const Fdc&) = delete;
  Fdc& operator=(const Fdc&) = delete;

  // ---- The bus ----
  uint8_t FdcRegisterRead(uint16_t address);
  // The same value with no side effect (the debugger's read).
  uint8_t PeekRegister(uint16_t address) const;
  void FdcRegisterWrite(uint16_t address, uint8_t value);

  // ---- The scheduler ----
  // One service tick; called every 80 T-states while IdleCounter() is at
  // most kMotorTimeoutTicks.
  void FdcService();
  int IdleCounter() const { return s_.idleTimer; }
  bool ServiceDue() const { return s_.idleTimer <= kMotorTimeoutTicks; }
  // True once per finished command: the machine then raises the disk
  // interrupt (0x40).
  bool TakeInterrupt() {
    const bool pending = interruptPending_;
    interruptPending_ = false;
    return pending;
  }
  // The drive lamps changed (DrawDriveLeds once); the status panel needs a
  // redraw. Each is cleared by the call that reads it.
  bool TakeLampsChanged() { return Take(lampsChanged_); }
  bool TakeStatusRedraw() { return Take(statusRedraw_); }

  // ---- The sound output ----
  // 0x00 while the selected drive's motor turns with a disk in it.
  uint8_t NotReady() const { return s_.notReady; }
  // A head step happened since the last call.
  bool TakeStepClick() { return Take(s_.stepClick); }

  // ---- The drives ----
  // Fills the track buffer with a track of drive (kNoTrack: nothing is read,
  // only the buffered drive changes) / writes it back.
  void LoadTrack(int drive, int track);
  void WriteTrack(int drive, int track);
  // A new disk went into drive: the track buffer takes its track 0.
  void DiskInserted(int drive) { LoadTrack(drive, 0); }

  const FdcState& State() const { return s_; }

 private:
  static bool Take(bool& flag) {
    const bool was = flag;
    flag = false;
    return was;
  }
  void SelectDrive(uint8_t value);
  void StartCommand(uint8_t value);
  void AdvanceRotation();
  void UpdateSectorUnderHead();
  void RunCommandTick();
  bool StepDue();
  int& Head() { return drives_.HeadPosition(s_.selectedDrive); }
  bool DiskInSelectedDrive() const { return drives_.Present(s_.selectedDrive); }
  bool SelectedWriteProtected() const { return drives_.WriteProtected(s_.selectedDrive); }
  void SetTrack0Bit();
  void Finish();
  bool BufferHolds(int drive, int track) const;
  bool BufferTrackForCommit();

  void Restore();
  void Seek();
  void StepIn();
  void StepOut();
  void ReadSector();
  void WriteSector();
  void ReadAddress();
  void FormatTrack();
  void TakeFormatByte();
  void CommitFormattedSector();
  void ForceInterrupt();

  DiskDrives& drives_;
  FdcState s_;
  // Where the track buffer's bytes were last read from. The buffered drive
  // and track follow the drive select at once; these change only when a
  // track is really read, and a track is written back only to its source.
  struct BufferSource {
    int drive = -1;
    int track = kNoTrack;
    uint32_t insertion = 0;
  } source_;
  bool interruptPending_ = false;
  bool lampsChanged_ = false;
  bool statusRedraw_ = false;
};

}  // namespace quillor
