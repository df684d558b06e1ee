#include "storage/disk_image.h"

#include <sys/stat.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace quillor {

namespace {

constexpr uint8_t kIdAddressMark = 0xFE;
constexpr int kFirstDataMarkScan = 7;
constexpr int kLastDataMarkScan = 62;
constexpr uint8_t kTrackImageWritable = 0x00;
constexpr uint8_t kTrackImageProtected = 0xFF;
constexpr uint8_t kTrackImageRequiredFlags = 0x50;

bool IsDataAddressMark(uint8_t b) { return (b & 0xFC) == 0xF8; }

int Word(const uint8_t* p) { return p[0] | (p[1] << 8); }

constexpr std::string_view kOverlapNotice =
    "The sectors of this disk image overlap, so writing one would damage another. "
    "The disk is inserted write-protected.";

// A stretch of the file, [begin, end).
struct Span {
  long begin, end;
};

bool Overlap(const Span& a, const Span& b) { return a.begin < b.end && b.begin < a.end; }

// True when a sector's data area covers another's, or covers a byte that
// opening the image reads to find the sectors (header, pointers, ID fields
// up to their data marks): writing that sector would change the layout.
bool LayoutOverlaps(std::vector<Span> data, std::vector<Span> fixed) {
  std::sort(data.begin(), data.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
  for (std::size_t i = 1; i < data.size(); ++i)
    if (data[i].begin < data[i - 1].end) return true;
  for (const Span& f : fixed) {
    // The data areas are disjoint and sorted, so only the last one starting
    // before f ends can reach into it.
    auto after = std::lower_bound(data.begin(), data.end(), f.end,
                                  [](const Span& d, long end) { return d.begin < end; });
    if (after != data.begin() && Overlap(*std::prev(after), f)) return true;
  }
  return false;
}

// The size the file has now, which another program may have changed.
long CurrentSize(std::FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0) return -1;
  return static_cast<long>(info.st_size);
}

}  // namespace

void DiskImage::Open(const std::string& path) {
  Close();
  file_.reset(std::fopen(path.c_str(), "r+b"));
  readOnly_ = false;
  if (!file_) {
    file_.reset(std::fopen(path.c_str(), "rb"));
    readOnly_ = true;
  }
  if (!file_) return;
  // Only a regular file is a disk: not a folder, a device or a pipe.
  struct stat info {};
  if (fstat(fileno(file_.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
    Close();
    return;
  }
  fileSize_ = static_cast<long>(info.st_size);
  if (fileSize_ > 0) Classify();
  if (kind_ == DiskImageKind::None) {
    Close();
    return;
  }
  // A file we may not write is protected whatever its kind says.
  writeProtected_ = writeProtected_ || readOnly_;
}

void DiskImage::Close() {
  file_.reset();
  fileSize_ = 0;
  readOnly_ = false;
  kind_ = DiskImageKind::None;
  tablesValid_ = false;
  trackCount_ = 0;
  writeProtected_ = false;
  notice_.clear();
  for (auto& track : sectorMap_)
    for (int id = 0; id < kSectorsPerTrack; ++id) track[id] = static_cast<uint8_t>(id);
  for (auto& track : slotOffsets_) track.fill(-1);
}

void DiskImage::Classify() {
  if (fileSize_ % kTrackBytes == 0) {
    kind_ = DiskImageKind::Plain;
    trackCount_ = static_cast<int>(fileSize_ / kTrackBytes);
    tablesValid_ = true;
    return;
  }
  const long afterHeader = fileSize_ - kSectorTableHeaderBytes;
  if (afterHeader > 0 && afterHeader % kTrackBytes == 0) {
    const long tracks = afterHeader / kTrackBytes;
    if (tracks >= kMinTableTracks && tracks <= kMaxTracks) {
      kind_ = DiskImageKind::PlainWithSectorTable;
      trackCount_ = static_cast<int>(tracks);
      tablesValid_ = ReadSectorTable();
      return;
    }
  }
  ReadTrackImageHeader();
}

bool DiskImage::ReadSectorTable() {
  std::array<uint8_t, 3 * kSectorsPerTrack * kMaxTracks> table{};
  const auto tableBytes = static_cast<std::size_t>(3 * kSectorsPerTrack * trackCount_);
  if (ReadAt(0, table.data(), tableBytes) != tableBytes) return false;
  const uint8_t* entry = table.data();
  for (int track = 0; track < trackCount_; ++track) {
    for (int slot = 0; slot < kSectorsPerTrack; ++slot, entry += 3) {
      if (entry[0] != track || entry[1] >= kSectorsPerTrack) return false;
      sectorMap_[track][entry[1]] = static_cast<uint8_t>(slot);
    }
  }
  return true;
}

// Recognises the kind by its header alone; a file that is too short or has a
// bad header is no disk image at all.
bool DiskImage::ReadTrackImageHeader() {
  std::array<uint8_t, kTrackImageHeaderBytes> header{};
  if (ReadAt(0, header.data(), header.size()) != header.size()) return false;
  const uint8_t protection = header[0];
  const int tracks = header[1];
  if (protection != kTrackImageWritable && protection != kTrackImageProtected) return false;
  if (tracks < kMinTableTracks || tracks > kMaxTracks) return false;
  if ((header[4] & kTrackImageRequiredFlags) != kTrackImageRequiredFlags) return false;
  kind_ = DiskImageKind::TrackImage;
  trackCount_ = tracks;
  writeProtected_ = protection == kTrackImageProtected;
  tablesValid_ = ReadTrackImageTables(Word(&header[2]));
  return true;
}

bool DiskImage::ReadTrackImageTables(int trackLength) {
  std::vector<Span> data, fixed{{0, kTrackImageHeaderBytes}};
  for (int track = 0; track < trackCount_; ++track) {
    const long trackStart = kTrackImageHeaderBytes + static_cast<long>(track) * trackLength;
    std::array<uint8_t, kTrackPointerTableBytes> pointers{};
    if (ReadAt(trackStart, pointers.data(), pointers.size()) != pointers.size()) return false;
    fixed.push_back({trackStart, trackStart + 2 * kSectorsPerTrack});
    for (int slot = 0; slot < kSectorsPerTrack; ++slot) {
      const long idField = trackStart + Word(&pointers[2 * slot]);
      std::array<uint8_t, kIdFieldScanBytes> id{};
      if (ReadAt(idField, id.data(), id.size()) != id.size()) return false;
      if (id[0] != kIdAddressMark || id[1] != track || id[3] >= kSectorsPerTrack) return false;
      const uint8_t* mark =
          std::find_if(&id[kFirstDataMarkScan], &id[kLastDataMarkScan + 1], IsDataAddressMark);
      if (mark == &id[kLastDataMarkScan + 1]) return false;
      const long dataStart = idField + (mark - id.data()) + 1;
      // The data must lie wholly inside the file, or a later write would
      // grow it and a read would come up short.
      if (dataStart + kSectorBytes > fileSize_) return false;
      sectorMap_[track][id[3]] = static_cast<uint8_t>(slot);
      slotOffsets_[track][slot] = dataStart;
      data.push_back({dataStart, dataStart + kSectorBytes});
      fixed.push_back({idField, dataStart});
    }
  }
  if (!writeProtected_ && LayoutOverlaps(std::move(data), std::move(fixed))) {
    writeProtected_ = true;
    notice_ = kOverlapNotice;
  }
  return true;
}

int DiskImage::SlotOf(int track, int sectorId) const {
  if (sectorId < 0 || sectorId >= kSectorsPerTrack) return 0;
  if (track < 0 || track >= kMaxTracks) return sectorId;
  return sectorMap_[track][sectorId];
}

long DiskImage::PlainTrackOffset(int track) const {
  const long base = kind_ == DiskImageKind::PlainWithSectorTable ? kSectorTableHeaderBytes : 0;
  return base + static_cast<long>(track) * kTrackBytes;
}

void DiskImage::ReadTrack(int track, TrackSpan buffer) const {
  if (!file_ || !tablesValid_) return;
  if (!HoldsTrack(track)) {
    std::fill(buffer.begin(), buffer.end(), 0);
    return;
  }
  // What cannot be read (the file was cut short by another program) reads as
  // zeros: the buffer must not keep bytes of another track or disk.
  if (kind_ == DiskImageKind::TrackImage) {
    for (int slot = 0; slot < kSectorsPerTrack; ++slot) {
      uint8_t* sector = &buffer[slot * kSectorBytes];
      const std::size_t got = ReadAt(slotOffsets_[track][slot], sector, kSectorBytes);
      std::fill(sector + got, sector + kSectorBytes, 0);
    }
  } else {
    const std::size_t got = ReadAt(PlainTrackOffset(track), buffer.data(), buffer.size());
    std::fill(buffer.begin() + static_cast<long>(got), buffer.end(), 0);
  }
}

void DiskImage::WriteTrack(int track, ConstTrackSpan buffer) {
  if (!file_ || !tablesValid_ || readOnly_ || !HoldsTrack(track)) return;
  // A file another program cut short or extended no longer has the layout
  // it was opened with: it is not written (nor regrown) until inserted again.
  if (CurrentSize(file_.get()) != fileSize_) return;
  if (kind_ == DiskImageKind::TrackImage) {
    for (int slot = 0; slot < kSectorsPerTrack; ++slot)
      WriteAt(slotOffsets_[track][slot], &buffer[slot * kSectorBytes], kSectorBytes);
  } else {
    WriteAt(PlainTrackOffset(track), buffer.data(), buffer.size());
  }
  std::fflush(file_.get());
}

// A short read stores what it got; returns how many bytes that was.
std::size_t DiskImage::ReadAt(long offset, uint8_t* data, std::size_t size) const {
  if (offset < 0 || offset > fileSize_) return 0;
  if (std::fseek(file_.get(), offset, SEEK_SET) != 0) return 0;
  return std::fread(data, 1, size, file_.get());
}

bool DiskImage::WriteAt(long offset, const uint8_t* data, std::size_t size) {
  if (offset < 0 || offset + static_cast<long>(size) > fileSize_) return false;
  if (std::fseek(file_.get(), offset, SEEK_SET) != 0) return false;
  return std::fwrite(data, 1, size, file_.get()) == size;
}

}  // namespace quillor
