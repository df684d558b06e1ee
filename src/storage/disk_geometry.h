// The fixed geometry of the machine's floppy disks: single-sided, up to 80
// tracks, ten 256-byte sectors per track with IDs 0-9.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quillor {

inline constexpr int kDriveCount = 4;
inline constexpr int kMaxTracks = 80;
inline constexpr int kLastTrack = kMaxTracks - 1;
inline constexpr int kSectorsPerTrack = 10;
inline constexpr int kSectorBytes = 256;
inline constexpr int kTrackBytes = kSectorsPerTrack * kSectorBytes;  // 2560

using TrackBuffer = std::array<uint8_t, kTrackBytes>;
using TrackSpan = std::span<uint8_t, kTrackBytes>;
using ConstTrackSpan = std::span<const uint8_t, kTrackBytes>;

}  // namespace quillor
