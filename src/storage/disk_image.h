// One disk image file and the layout of its sectors.
//
// Three kinds of file are recognised, tried in this order on the size S:
//
//   Plain            S is a multiple of 2560: track t at t * 2560, sector ID s
//                    in slot s of the track. Never write protected.
//   With sector table
//                    S - 8704 is a multiple of 2560 giving 35-80 tracks: an
//                    8704-byte header, then the tracks as above. The header
//                    opens with three-byte entries (track, sector ID, unused),
//                    ten per track in track order; entry i of track t names the
//                    sector held in slot i. Never write protected.
//   Track image      anything else: a 16-byte header (0x00 writable or 0xFF
//                    protected, 35-80 tracks, track length L little-endian,
//                    flags with bits 4 and 6 set), track t at 16 + t * L. Each
//                    track opens with 64 little-endian pointers, the first ten
//                    giving the offset within the track of the ID field of the
//                    sector in slot i: 0xFE, track, side, sector ID. The data
//                    follow the first data mark (0xF8-0xFB) among bytes 7-62
//                    after the 0xFE. CRCs are neither checked nor rewritten.
//
// A file of a known kind whose tables fail a check stays open but holds no
// usable disk (TablesValid is false). The image never reads or writes outside
// the file's data: tracks the file does not hold read as zeros and are never
// written, so the file keeps its size.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "storage/disk_geometry.h"

namespace quillor {

enum class DiskImageKind : uint8_t { Plain = 0, PlainWithSectorTable = 1, TrackImage = 2, None = 0xFF };

inline constexpr long kSectorTableHeaderBytes = 8704;
inline constexpr int kTrackImageHeaderBytes = 16;
inline constexpr int kTrackPointerTableBytes = 128;
inline constexpr int kIdFieldScanBytes = 64;
inline constexpr int kMinTableTracks = 35;

class DiskImage {
 public:
  DiskImage() { Close(); }

  // Opens and classifies the file at path, closing what was open before. A
  // file that cannot be opened for writing but can be read is opened read
  // only and treated as write protected.
  void Open(const std::string& path);
  void Close();

  DiskImageKind Kind() const { return kind_; }
  bool IsOpen() const { return kind_ != DiskImageKind::None; }
  // The kind was recognised and every table entry passed its checks.
  bool TablesValid() const { return tablesValid_; }
  int TrackCount() const { return trackCount_; }
  bool WriteProtected() const { return writeProtected_; }
  // Why a usable disk was inserted write protected although its file may be
  // written; empty when it was not.
  const std::string& Notice() const { return notice_; }

  // The slot (0-9) of the track that holds sector ID sectorId (0-9). Tracks
  // the map does not cover keep the identity layout.
  int SlotOf(int track, int sectorId) const;

  // Fills buffer with the ten slots of track. A track the image does not hold,
  // and any part that cannot be read, reads as zeros.
  void ReadTrack(int track, TrackSpan buffer) const;
  // Writes the ten slots of track back; a track the image does not hold, a
  // file opened read only, or one whose size changed since it was opened, is
  // left alone.
  void WriteTrack(int track, ConstTrackSpan buffer);

 private:
  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  void Classify();
  bool ReadSectorTable();
  bool ReadTrackImageHeader();
  bool ReadTrackImageTables(int trackLength);
  std::size_t ReadAt(long offset, uint8_t* data, std::size_t size) const;
  bool WriteAt(long offset, const uint8_t* data, std::size_t size);
  bool HoldsTrack(int track) const { return track >= 0 && track < trackCount_; }
  long PlainTrackOffset(int track) const;

  std::unique_ptr<std::FILE, FileCloser> file_;
  long fileSize_ = 0;
  bool readOnly_ = false;
  DiskImageKind kind_ = DiskImageKind::None;
  bool tablesValid_ = false;
  int trackCount_ = 0;
  bool writeProtected_ = false;
  std::string notice_;
  // [track][sector ID] = slot, and for track images the file offset of each
  // slot's 256 data bytes.
  std::array<std::array<uint8_t, kSectorsPerTrack>, kMaxTracks> sectorMap_{};
  std::array<std::array<long, kSectorsPerTrack>, kMaxTracks> slotOffsets_{};
};

}  // namespace quillor
