#include "storage/fdc.h"

#include <algorithm>

namespace quillor {

namespace {

constexpr int kRevolutionLimitWithDisk = 3650;
constexpr int kRevolutionLimitEmpty = 30000;
constexpr int kIndexPulseTicks = 45;
constexpr int kSectorSpacingTicks = 340;
constexpr uint8_t kUpdateTrackBit = 0x10;
constexpr uint8_t kIdAddressMark = 0xFE;
constexpr int kEndOfTrackGap = 100;
constexpr int kTrack17 = 17;
constexpr uint8_t kSectorSizeCode256 = 1;

constexpr uint8_t kStepInCommand = 0x40;
constexpr uint8_t kStepOutCommand = 0x60;

// WRITE TRACK phases before the first ID mark; phases 0-3 follow the bytes
// of an ID field (track, side, sector, then the wait for the data mark).
constexpr int kPhaseFresh = -2;
constexpr int kPhaseIndexSeen = -3;
constexpr int kPhaseGap = -1;

bool IsDataAddressMark(uint8_t b) { return (b & 0xFC) == 0xF8; }

uint8_t Track17Bit(uint8_t track) { return track == kTrack17 ? kStatusHeadLoaded : 0; }

}  // namespace

FdcCommandGroup FdcCommandGroupOf(uint8_t command) {
  if (command < 0x10) return FdcCommandGroup::Restore;
  if (command < 0x20) return FdcCommandGroup::Seek;
  if (command < 0x40) return FdcCommandGroup::Step;
  if (command < 0x60) return FdcCommandGroup::StepIn;
  if (command < 0x80) return FdcCommandGroup::StepOut;
  if (command < 0xA0) return FdcCommandGroup::ReadSector;
  if (command < 0xC0) return FdcCommandGroup::WriteSector;
  if (command == 0xC4) return FdcCommandGroup::ReadAddress;
  if (command >= 0xD0 && command <= 0xDF) return FdcCommandGroup::ForceInterrupt;
  if (command == 0xE4 || command == 0xE5) return FdcCommandGroup::ReadTrack;
  if (command == 0xF4) return FdcCommandGroup::WriteTrack;
  return FdcCommandGroup::Undecoded;
}

uint8_t Fdc::FdcRegisterRead(uint16_t address) {
  // Taking the data byte answers the controller's data request.
  if (address == kFdcDataAddress) {
    s_.dataRequest = false;
    s_.status &= ~kStatusDataRequest;
  }
  return PeekRegister(address);
}

uint8_t Fdc::PeekRegister(uint16_t address) const {
  switch (address) {
    case kFdcSelectAddress: return s_.selectLatch;
    case kFdcCommandAddress:
      return drives_.AnyDiskPresent() ? static_cast<uint8_t>(s_.status | s_.notReady) : 0xFF;
    case kFdcTrackAddress: return s_.track;
    case kFdcSectorAddress: return s_.sector;
    case kFdcDataAddress: return s_.dataOut;
    default: return 0xFF;
  }
}

void Fdc::FdcRegisterWrite(uint16_t address, uint8_t value) {
  switch (address) {
    case kFdcSelectAddress: SelectDrive(value); break;
    case kFdcCommandAddress: StartCommand(value); break;
    case kFdcTrackAddress: s_.track = value; break;
    case kFdcSectorAddress: s_.sector = value; break;
    case kFdcDataAddress:
      s_.dataIn = value;
      s_.dataRequest = false;
      s_.status &= ~kStatusDataRequest;
      break;
    default: break;
  }
}

void Fdc::SelectDrive(uint8_t value) {
  s_.selectLatch = value & 0x0F;
  switch (s_.selectLatch) {
    case 1: s_.selectedDrive = 0; break;
    case 2: s_.selectedDrive = 1; break;
    case 4: s_.selectedDrive = 2; break;
    case 8: s_.selectedDrive = 3; break;
    default: break;
  }
  s_.bufferedTrack = kNoTrack;
  s_.idleTimer = 0;
  s_.driveLeds.fill(false);
  s_.driveLeds[s_.selectedDrive] = true;
  lampsChanged_ = true;
  statusRedraw_ = true;
}

void Fdc::StartCommand(uint8_t value) {
  s_.command = value;
  s_.busy = true;
  s_.stepTimer = 0;
  s_.dataRequest = false;
  s_.idleTimer = 0;
  s_.byteIndex = -1;
  s_.phase = kPhaseFresh;
  // A sector held from an interrupted transfer is not resumed: every command
  // starts with the sector buffer empty.
  s_.bufferedSector = kNoSector;
  s_.status |= kStatusBusy;
}

void Fdc::FdcService() {
  AdvanceRotation();
  if (s_.idleTimer >= kMotorTimeoutTicks) {
    s_.notReady = kStatusNotReady;
    s_.driveLeds.fill(false);
    if (s_.idleTimer == kMotorTimeoutTicks) {
      lampsChanged_ = true;
      statusRedraw_ = true;
      s_.idleTimer = kMotorStopped;
    }
    s_.status |= s_.notReady;
    return;
  }
  ++s_.idleTimer;
  s_.notReady = DiskInSelectedDrive() ? 0x00 : kStatusNotReady;
  if (s_.busy) {
    if (s_.bufferedDrive != s_.selectedDrive) LoadTrack(s_.selectedDrive, s_.bufferedTrack);
    ++s_.stepTimer;
    RunCommandTick();
    s_.idleTimer = 0;
  }
  s_.status = static_cast<uint8_t>((s_.status & ~kStatusBusy) | (s_.busy ? kStatusBusy : 0) | s_.notReady);
  if (s_.command < 0x80 || FdcCommandGroupOf(s_.command) == FdcCommandGroup::ForceInterrupt)
    s_.status =
        static_cast<uint8_t>((s_.status & ~kStatusDataRequest) | (s_.indexPulse ? kStatusDataRequest : 0));
  UpdateSectorUnderHead();
}

void Fdc::AdvanceRotation() {
  const int limit = DiskInSelectedDrive() ? kRevolutionLimitWithDisk : kRevolutionLimitEmpty;
  if (++s_.rotationCounter > limit + kIndexPulseTicks) s_.rotationCounter = 0;
  s_.indexPulse = s_.rotationCounter > limit;
}

void Fdc::UpdateSectorUnderHead() {
  if (s_.rotationCounter % kSectorSpacingTicks != 0) return;
  const int position = s_.rotationCounter / kSectorSpacingTicks;
  if (position < kSectorsPerTrack) {
    s_.sectorUnderHead = kSectorInterleave[position];
    s_.sectorOffset = kSectorBytes * drives_.SlotOf(s_.selectedDrive, s_.bufferedTrack, s_.sectorUnderHead);
  } else {
    s_.sectorUnderHead = kGapAfterLastSector;
  }
}

void Fdc::LoadTrack(int drive, int track) {
  if (!drives_.Present(drive)) {
    s_.notReady = kStatusNotReady;
    s_.idleTimer = kMotorTimeoutTicks;
  } else if (track != kNoTrack) {
    drives_.ReadTrack(drive, track, s_.trackBuffer);
    s_.sectorUnderHead = kNoSector;
    source_ = {drive, track, drives_.Insertion(drive)};
  }
  s_.bufferedDrive = drive;
  s_.bufferedTrack = track;
  s_.bufferedSector = kNoSector;
}

void Fdc::WriteTrack(int drive, int track) {
  if (!drives_.Present(drive)) {
    s_.notReady = kStatusNotReady;
    s_.idleTimer = kMotorTimeoutTicks;
  } else if (track != kNoTrack && BufferHolds(drive, track)) {
    drives_.WriteTrack(drive, track, s_.trackBuffer);
  }
}

bool Fdc::BufferHolds(int drive, int track) const {
  return source_.drive == drive && source_.track == track && source_.insertion == drives_.Insertion(drive);
}

// Before a sector goes into the track buffer: the buffer must hold the
// selected disk's track (read afresh when a drive select or an insertion came
// between), and the sector's place is taken from that disk's map for that
// track. The offset found as the sector passed the head is not enough: after
// a drive select, even of the same drive to keep its motor running, it was
// taken for no track and ignores the disk's sector layout.
// False when the buffer could not be given that track (no disk in the
// selected drive): it still holds another disk's track then, which the sector
// must not enter, or a later write would carry it to that disk.
bool Fdc::BufferTrackForCommit() {
  if (!BufferHolds(s_.selectedDrive, s_.track)) LoadTrack(s_.selectedDrive, s_.track);
  if (!BufferHolds(s_.selectedDrive, s_.track)) return false;
  if (s_.sector < kSectorsPerTrack)
    s_.sectorOffset = kSectorBytes * drives_.SlotOf(s_.selectedDrive, s_.track, s_.sector);
  return true;
}

void Fdc::RunCommandTick() {
  switch (FdcCommandGroupOf(s_.command)) {
    case FdcCommandGroup::Restore: Restore(); break;
    case FdcCommandGroup::Seek: Seek(); break;
    case FdcCommandGroup::Step:
      // STEP repeats the direction of the last step and from now on is that
      // command.
      s_.command = static_cast<uint8_t>((s_.command & 0x1F) | (s_.stepIn ? kStepInCommand : kStepOutCommand));
      if (s_.stepIn) StepIn();
      else StepOut();
      break;
    case FdcCommandGroup::StepIn: StepIn(); break;
    case FdcCommandGroup::StepOut: StepOut(); break;
    case FdcCommandGroup::ReadSector: ReadSector(); break;
    case FdcCommandGroup::WriteSector: WriteSector(); break;
    case FdcCommandGroup::ReadAddress: ReadAddress(); break;
    case FdcCommandGroup::ForceInterrupt: ForceInterrupt(); break;
    case FdcCommandGroup::WriteTrack: FormatTrack(); break;
    case FdcCommandGroup::ReadTrack:
    case FdcCommandGroup::Undecoded: break;  // accepted, never executed: busy until the next command
  }
}

bool Fdc::StepDue() {
  if (s_.stepTimer <= s_.stepRates[s_.command & 0x03]) return false;
  s_.stepTimer = 0;
  s_.stepClick = true;
  return true;
}

void Fdc::SetTrack0Bit() {
  s_.status = static_cast<uint8_t>((s_.status & ~kStatusTrack0) | (Head() == 0 ? kStatusTrack0 : 0));
}

void Fdc::Finish() {
  s_.busy = false;
  interruptPending_ = true;
}

void Fdc::Restore() {
  int& head = Head();
  if (head == 0) {
    s_.status = kStatusHeadLoaded | kStatusTrack0;
    s_.track = 0;
    Finish();
    LoadTrack(s_.selectedDrive, 0);
    return;
  }
  if (StepDue()) {
    --head;
    s_.stepIn = false;
  }
  s_.status = kStatusHeadLoaded;
}

void Fdc::Seek() {
  int& head = Head();
  const int target = s_.dataIn;
  s_.status = kStatusHeadLoaded;
  if (head == target) {
    Finish();
    LoadTrack(s_.selectedDrive, head);
    s_.track = static_cast<uint8_t>(head);
  } else if (StepDue()) {
    s_.stepIn = target > head;
    if (s_.stepIn && head == kLastTrack) {
      // The head cannot pass the last track: the seek ends there with a
      // seek error instead of waiting for a track it can never reach.
      s_.status |= kStatusSeekError;
      Finish();
      LoadTrack(s_.selectedDrive, head);
      s_.track = static_cast<uint8_t>(head);
    } else {
      head += s_.stepIn ? 1 : -1;
    }
  }
  SetTrack0Bit();
}

void Fdc::StepIn() {
  s_.stepIn = true;
  if (!StepDue()) return;
  int& head = Head();
  if (head < kLastTrack) ++head;
  else s_.status |= kStatusSeekError;
  if (s_.command & kUpdateTrackBit) s_.track = static_cast<uint8_t>(head);
  Finish();
  LoadTrack(s_.selectedDrive, head);
}

void Fdc::StepOut() {
  s_.stepIn = false;
  if (!StepDue()) return;
  int& head = Head();
  if (head > 0) --head;
  if (s_.command & kUpdateTrackBit) s_.track = static_cast<uint8_t>(head);
  SetTrack0Bit();
  Finish();
  LoadTrack(s_.selectedDrive, head);
}

void Fdc::ReadSector() {
  if (s_.track != s_.bufferedTrack) LoadTrack(s_.selectedDrive, s_.track);
  if (s_.sector != s_.bufferedSector && s_.sector == s_.sectorUnderHead && s_.byteIndex < 0) {
    std::copy_n(s_.trackBuffer.begin() + s_.sectorOffset, kSectorBytes, s_.sectorBuffer.begin());
    s_.bufferedSector = s_.sectorUnderHead;
    s_.byteIndex = 0;
  }
  if (s_.sector != s_.bufferedSector) {
    s_.status = 0;  // waiting for the sector to come under the head
    return;
  }
  const bool disk = DiskInSelectedDrive();
  if (s_.byteIndex < kSectorBytes) {
    s_.dataOut = disk ? s_.sectorBuffer[s_.byteIndex] : 0;
    ++s_.byteIndex;
    s_.status = kStatusDataRequest | Track17Bit(s_.track);
    return;
  }
  s_.status = disk ? Track17Bit(s_.track) : kStatusWriteProtected;
  s_.byteIndex = -1;
  s_.bufferedSector = kNoSector;
  Finish();
}

void Fdc::WriteSector() {
  if (s_.byteIndex < 0) {
    s_.byteIndex = 0;
    s_.status = kStatusDataRequest;
    s_.dataRequest = true;
    if (s_.track != s_.bufferedTrack) LoadTrack(s_.selectedDrive, s_.track);
  } else if (!s_.dataRequest) {
    if (s_.byteIndex < kSectorBytes) {
      s_.sectorBuffer[s_.byteIndex++] = s_.dataIn;
      s_.status = kStatusDataRequest;
      s_.dataRequest = true;
    } else {
      if (s_.sector == s_.sectorUnderHead) {
        if (BufferTrackForCommit())
          std::copy(s_.sectorBuffer.begin(), s_.sectorBuffer.end(), s_.trackBuffer.begin() + s_.sectorOffset);
        s_.byteIndex = -1;
        s_.busy = false;  // WRITE SECTOR ends without an interrupt
        if (!SelectedWriteProtected()) WriteTrack(s_.selectedDrive, s_.track);
        s_.bufferedSector = kNoSector;
      }
      s_.status = 0;
    }
  }
  s_.status = static_cast<uint8_t>((s_.status & ~kStatusWriteProtected) |
                                   (SelectedWriteProtected() ? kStatusWriteProtected : 0));
}

void Fdc::ReadAddress() {
  if (s_.phase != kPhaseFresh && s_.dataRequest) return;
  const int next = s_.phase == kPhaseFresh ? 0 : s_.phase + 1;
  const uint8_t id[6] = {static_cast<uint8_t>(s_.bufferedTrack),
                         0,
                         static_cast<uint8_t>(s_.sectorUnderHead),
                         kSectorSizeCode256,
                         0,
                         0};
  if (next < 6) {
    s_.dataOut = id[next];
    s_.status = kStatusDataRequest;
    s_.dataRequest = true;
    s_.phase = next;
  } else {
    s_.status = 0;
    Finish();
  }
}

void Fdc::FormatTrack() {
  if (s_.phase == kPhaseFresh) {
    if (s_.indexPulse) {
      s_.byteIndex = -1;
      s_.phase = kPhaseIndexSeen;
      s_.gapCount = 0;
    }
    s_.status = 0;
  } else if (s_.phase == kPhaseIndexSeen) {
    if (!s_.indexPulse) {
      s_.phase = kPhaseGap;
      s_.dataRequest = true;
      s_.status = kStatusDataRequest;
    }
  } else if (!s_.dataRequest) {
    if (s_.byteIndex < 0) TakeFormatByte();
    else CommitFormattedSector();
  }
  s_.status = static_cast<uint8_t>((s_.status & ~kStatusWriteProtected) |
                                   (SelectedWriteProtected() ? kStatusWriteProtected : 0));
}

// One byte of the track stream outside sector data: gaps, ID fields and the
// data mark that opens a sector.
void Fdc::TakeFormatByte() {
  const uint8_t b = s_.dataIn;
  switch (s_.phase) {
    case kPhaseGap:
      if (b == kIdAddressMark) s_.phase = 0;
      else ++s_.gapCount;
      break;
    case 0:
      s_.track = b;
      s_.phase = 1;
      break;
    case 1: s_.phase = 2; break;  // side
    case 2:
      s_.sector = b < kSectorsPerTrack ? b : 0;
      s_.phase = 3;
      break;
    default:
      if (IsDataAddressMark(b)) s_.byteIndex = 0;
      break;
  }
  if (s_.gapCount > kEndOfTrackGap) {
    if (!SelectedWriteProtected()) WriteTrack(s_.selectedDrive, s_.track);
    s_.dataRequest = false;
    Finish();
    s_.status = 0;
  } else {
    s_.dataRequest = true;
    s_.status = kStatusDataRequest;
  }
}

void Fdc::CommitFormattedSector() {
  if (s_.byteIndex < kSectorBytes) {
    s_.sectorBuffer[s_.byteIndex++] = s_.dataIn;
    s_.status = kStatusDataRequest;
    s_.dataRequest = true;
    return;
  }
  if (s_.track != s_.bufferedTrack) LoadTrack(s_.selectedDrive, s_.track);
  if (s_.sector != s_.sectorUnderHead) return;  // wait for the sector's place on the disk
  if (BufferTrackForCommit()) {
    s_.sectorOffset = kSectorBytes * drives_.SlotOf(s_.selectedDrive, s_.bufferedTrack, s_.sector);
    std::copy(s_.sectorBuffer.begin(), s_.sectorBuffer.end(), s_.trackBuffer.begin() + s_.sectorOffset);
  }
  s_.byteIndex = -1;
  s_.phase = kPhaseGap;
  s_.gapCount = 0;
  if (!SelectedWriteProtected()) WriteTrack(s_.selectedDrive, s_.track);
  s_.status = kStatusDataRequest;
  s_.dataRequest = true;
}

void Fdc::ForceInterrupt() {
  s_.status = kStatusHeadLoaded;
  SetTrack0Bit();
  Finish();
}

}  // namespace quillor
