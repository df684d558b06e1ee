// The disk controller's registers and working state, as the debugger shows
// them. Owned and changed only by Fdc.
#pragma once

#include <array>
#include <cstdint>

#include "storage/disk_geometry.h"

namespace quillor {

inline constexpr int kNoTrack = -1;
inline constexpr int kNoSector = -1;
inline constexpr int kGapAfterLastSector = 0xFF;

// Service ticks (80 T-states each) the controller may stay idle before the
// motor stops; the value after it stopped, at which the service is no longer
// called.
inline constexpr int kMotorTimeoutTicks = 60000;
inline constexpr int kMotorStopped = 0xFFFF;

// Status register bits.
inline constexpr uint8_t kStatusBusy = 0x01;
inline constexpr uint8_t kStatusDataRequest = 0x02;  // index pulse for positioning commands
inline constexpr uint8_t kStatusTrack0 = 0x04;
inline constexpr uint8_t kStatusSeekError = 0x10;
inline constexpr uint8_t kStatusHeadLoaded = 0x20;      // track 17 for READ
inline constexpr uint8_t kStatusWriteProtected = 0x40;  // no disk at the end of READ
inline constexpr uint8_t kStatusNotReady = 0x80;

struct FdcState {
  bool operator==(const FdcState&) const = default;
  uint8_t command = 0;
  uint8_t track = 0;
  uint8_t sector = 0;
  uint8_t dataIn = 0;
  uint8_t dataOut = 0;
  uint8_t status = 0;
  uint8_t selectLatch = 0;
  int selectedDrive = 0;
  bool busy = false;
  bool dataRequest = false;
  int idleTimer = kMotorTimeoutTicks;
  uint8_t notReady = kStatusNotReady;
  int stepTimer = 0;
  bool stepIn = false;
  int byteIndex = -1;
  int phase = 0;
  int gapCount = 0;
  int rotationCounter = 0;
  bool indexPulse = false;
  int sectorUnderHead = kNoSector;
  int sectorOffset = 0;
  TrackBuffer trackBuffer{};
  int bufferedDrive = -1;
  int bufferedTrack = kNoTrack;
  std::array<uint8_t, kSectorBytes> sectorBuffer{};
  int bufferedSector = kNoSector;
  std::array<int, 4> stepRates{266, 266, 266, 266};
  std::array<bool, kDriveCount> driveLeds{};
  bool stepClick = false;
};

// The order in which the sector IDs pass the head during one revolution.
inline constexpr std::array<uint8_t, kSectorsPerTrack> kSectorInterleave{0, 5, 1, 6, 2, 7, 3, 8, 4, 9};

}  // namespace quillor
