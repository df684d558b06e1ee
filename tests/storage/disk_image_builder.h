// Small disk images built byte by byte for the tests, in each of the three
// file layouts, with recognisable contents: every data byte tells its track,
// sector ID and position.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fakes/process_temp.h"
#include "storage/disk_geometry.h"

namespace quillor::test {

using SlotIds = std::array<uint8_t, kSectorsPerTrack>;  // sector ID held by each slot
inline constexpr SlotIds kIdentitySlots{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
inline constexpr SlotIds kScrambledSlots{3, 7, 0, 9, 5, 1, 8, 2, 6, 4};

inline uint8_t PatternByte(int track, int sectorId, int i) {
  return static_cast<uint8_t>(track * 37 + sectorId * 11 + i);
}

inline void AppendSector(std::vector<uint8_t>& out, int track, int sectorId) {
  for (int i = 0; i < kSectorBytes; ++i) out.push_back(PatternByte(track, sectorId, i));
}

inline std::vector<uint8_t> BuildPlainImage(int tracks) {
  std::vector<uint8_t> out;
  for (int t = 0; t < tracks; ++t)
    for (int s = 0; s < kSectorsPerTrack; ++s) AppendSector(out, t, s);
  return out;
}

inline std::vector<uint8_t> BuildTableImage(int tracks, const SlotIds& slots) {
  std::vector<uint8_t> out(8704, 0);
  for (int t = 0; t < tracks; ++t)
    for (int i = 0; i < kSectorsPerTrack; ++i) {
      out[3 * (t * kSectorsPerTrack + i)] = static_cast<uint8_t>(t);
      out[3 * (t * kSectorsPerTrack + i) + 1] = slots[i];
    }
  for (int t = 0; t < tracks; ++t)
    for (int i = 0; i < kSectorsPerTrack; ++i) AppendSector(out, t, slots[i]);
  return out;
}

// Track image: per slot a gap, the ID field, a gap of 0xFF, the data mark, the
// data and two CRC bytes. 287 bytes a slot after the 128-byte pointer table.
inline constexpr int kTestTrackLength = 3000;
inline constexpr int kSlotGap = 10;
inline constexpr int kIdToDataMark = 18;  // the data mark sits 18 bytes after 0xFE
inline constexpr int kSlotBytes = kSlotGap + kIdToDataMark + 1 + kSectorBytes + 2;

inline long TrackImageDataOffset(int track, int slot) {
  return 16L + static_cast<long>(track) * kTestTrackLength + 128 + slot * kSlotBytes + kSlotGap +
         kIdToDataMark + 1;
}

inline std::vector<uint8_t> BuildTrackImage(int tracks, const SlotIds& slots, uint8_t protection = 0x00,
                                            uint8_t flags = 0x50) {
  std::vector<uint8_t> out(16, 0);
  out[0] = protection;
  out[1] = static_cast<uint8_t>(tracks);
  out[2] = kTestTrackLength & 0xFF;
  out[3] = kTestTrackLength >> 8;
  out[4] = flags;
  for (int t = 0; t < tracks; ++t) {
    std::vector<uint8_t> track(kTestTrackLength, 0x4E);
    for (int p = 0; p < 64; ++p) track[2 * p] = track[2 * p + 1] = 0;
    for (int i = 0; i < kSectorsPerTrack; ++i) {
      const int id = 128 + i * kSlotBytes + kSlotGap;
      track[2 * i] = id & 0xFF;
      track[2 * i + 1] = static_cast<uint8_t>(id >> 8);
      const uint8_t field[7] = {0xFE, static_cast<uint8_t>(t), 0, slots[i], 1, 0xCA, 0xFE};
      std::copy(std::begin(field), std::end(field), track.begin() + id);
      std::fill(track.begin() + id + 7, track.begin() + id + kIdToDataMark, 0xFF);
      track[id + kIdToDataMark] = 0xFB;
      for (int b = 0; b < kSectorBytes; ++b) track[id + kIdToDataMark + 1 + b] = PatternByte(t, slots[i], b);
      track[id + kIdToDataMark + 1 + kSectorBytes] = 0xE5;
      track[id + kIdToDataMark + 2 + kSectorBytes] = 0xE5;
    }
    out.insert(out.end(), track.begin(), track.end());
  }
  return out;
}

// In a folder of this test process's own (see fakes/process_temp.h).
inline std::string TestFilePath(const std::string& name) {
  return (testing::ProcessTempFolder("files") / name).string();
}

inline std::string WriteTestFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = TestFilePath(name);
  std::error_code ignored;  // a file left read-only by an earlier run is made writable again
  std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ignored);
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

inline std::vector<uint8_t> ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quillor::test
