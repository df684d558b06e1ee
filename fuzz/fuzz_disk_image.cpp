// A disk image in drive 0, driven through the controller's registers as the
// machine's disk software would: restore, seek, read, write and read back,
// read address, write track, force interrupt, drive changes in the middle of
// a write, and the same file inserted again. Drive 1 holds a plain disk of
// 0xBB bytes whose expected contents are kept alongside.
//
// The input chooses the image: raw bytes, or one of the three kinds built
// well-formed and then patched at chosen places. The rest of the input is the
// script. Promises checked: files keep their size; a write-protected or
// unusable image is never changed; the header of a track image or of a
// sector table is never written; a written sector reads back; a disk that
// opened writable still opens writable with the same layout; drive 1 holds
// exactly what was written to it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "fuzz_support.h"
#include "storage/fdc.h"

namespace {

using namespace quillor;

constexpr int kOtherTracks = 35;
constexpr int kTickLimit = 2 * 3696;  // every sector passes the head within this

std::vector<uint8_t> PlainImage(int tracks, uint8_t seed) {
  std::vector<uint8_t> out(static_cast<size_t>(tracks) * kTrackBytes);
  for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<uint8_t>(seed + i * 13 + (i >> 8));
  return out;
}

std::vector<uint8_t> TableImage(int tracks, uint8_t seed, int rotate) {
  std::vector<uint8_t> out(static_cast<size_t>(kSectorTableHeaderBytes), 0);
  for (int t = 0; t < tracks; ++t)
    for (int i = 0; i < kSectorsPerTrack; ++i) {
      out[3 * (t * kSectorsPerTrack + i)] = static_cast<uint8_t>(t);
      out[3 * (t * kSectorsPerTrack + i) + 1] = static_cast<uint8_t>((i * 3 + rotate + t) % kSectorsPerTrack);
    }
  const auto data = PlainImage(tracks, seed);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::vector<uint8_t> TrackImage(int tracks, uint8_t seed, int gap, bool protect) {
  const int slotBytes = gap + 7 + 11 + 1 + kSectorBytes + 2;
  const int length = kTrackPointerTableBytes + kSectorsPerTrack * slotBytes + 20;
  std::vector<uint8_t> out(16, 0);
  out[0] = protect ? 0xFF : 0x00;
  out[1] = static_cast<uint8_t>(tracks);
  out[2] = length & 0xFF;
  out[3] = static_cast<uint8_t>(length >> 8);
  out[4] = 0x50;
  for (int t = 0; t < tracks; ++t) {
    std::vector<uint8_t> track(static_cast<size_t>(length), 0x4E);
    std::fill(track.begin(), track.begin() + kTrackPointerTableBytes, 0);
    for (int i = 0; i < kSectorsPerTrack; ++i) {
      const int id = kTrackPointerTableBytes + i * slotBytes + gap;
      track[2 * i] = id & 0xFF;
      track[2 * i + 1] = static_cast<uint8_t>(id >> 8);
      const uint8_t field[7] = {
          0xFE, static_cast<uint8_t>(t), 0, static_cast<uint8_t>((i * 7 + t) % 10), 1, 0, 0};
      std::copy(field, field + 7, track.begin() + id);
      std::fill(track.begin() + id + 7, track.begin() + id + 18, 0xFF);
      track[id + 18] = 0xFB;
      for (int b = 0; b < kSectorBytes; ++b)
        track[id + 19 + b] = static_cast<uint8_t>(seed + t * 31 + i * 7 + b);
    }
    out.insert(out.end(), track.begin(), track.end());
  }
  return out;
}

class Rig {
 public:
  Rig(std::vector<uint8_t> image, FuzzedDataProvider& in) : in_(in), original_(std::move(image)) {
    path_ = fuzz::WriteFile("disk0.dsk", original_);
    other_ = std::vector<uint8_t>(static_cast<size_t>(kOtherTracks) * kTrackBytes, 0xBB);
    otherPath_ = fuzz::WriteFile("disk1.dsk", other_);
    Insert();
    drives_.OpenMediaImage(otherPath_, 1);
    if (drives_.Present(1)) fdc_.DiskInserted(1);
    DiskImage probe;
    probe.Open(path_);
    writable_ = probe.TablesValid() && !probe.WriteProtected();
    kind_ = probe.Kind();
    tracks_ = probe.TrackCount();
  }

  void Run() {
    for (int op = 0; op < 16 && in_.remaining_bytes() > 0; ++op) {
      const int which = in_.ConsumeIntegralInRange(0, 9);
      if (std::getenv("FUZZ_TRACE"))
        std::fprintf(stderr, "op %d sel %d\n", which, fdc_.State().selectedDrive);
      switch (which) {
        case 0: Select(in_.ConsumeIntegral<uint8_t>()); break;
        case 1: Command(in_.ConsumeIntegralInRange<uint8_t>(0x00, 0x0F)); break;  // restore
        case 2:
          Write(kFdcDataAddress, in_.ConsumeIntegralInRange<uint8_t>(0, 90));
          Command(0x10);
          break;
        case 3: ReadSector(in_.ConsumeIntegral<uint8_t>() % 84, in_.ConsumeIntegral<uint8_t>() % 11); break;
        case 4: WriteAndReadBack(); break;
        case 5: Command(0xC4); break;  // read address
        case 6: FormatTrack(); break;
        case 7:
          Write(kFdcCommandAddress, 0x88);
          Tick(in_.ConsumeIntegralInRange(1, 4000));
          Command(0xD0);
          break;
        case 8: Insert(); break;
        default: {  // anything, even undecoded; writes of unknown data only to drive 0
          const uint8_t command = in_.ConsumeIntegral<uint8_t>();
          const bool write = (command >= 0xA0 && command < 0xC0) || command == 0xF4;
          Command(write && fdc_.State().selectedDrive == 1 ? 0xD0 : command);
          break;
        }
      }
      CheckFiles();
    }
    // The disk still opens as it opened.
    DiskImage again;
    again.Open(path_);
    if (writable_) {
      FUZZ_CHECK(again.TablesValid() && !again.WriteProtected() && again.Kind() == kind_);
    }
  }

 private:
  void Write(uint16_t address, uint8_t value) { fdc_.FdcRegisterWrite(address, value); }
  bool Busy() const { return fdc_.State().busy; }
  void Tick(int n) {
    for (int i = 0; i < n && fdc_.ServiceDue(); ++i) fdc_.FdcService();
  }
  void Insert() {
    drives_.OpenMediaImage(path_, 0);
    if (drives_.Present(0)) fdc_.DiskInserted(0);
  }
  void Select(uint8_t latch) {
    Write(kFdcSelectAddress, latch);
    fdc_.TakeInterrupt();
  }
  // Runs a command to its end or the tick limit, answering data requests.
  void Command(uint8_t command) {
    Write(kFdcCommandAddress, command);
    for (int i = 0; i < kTickLimit && Busy(); ++i) {
      fdc_.FdcService();
      if (fdc_.State().dataRequest) {
        if (command >= 0xA0 && command < 0xC0) Write(kFdcDataAddress, 0);
        else fdc_.FdcRegisterRead(kFdcDataAddress);
      }
    }
  }
  std::vector<uint8_t> ReadSector(int track, int sector) {
    Write(kFdcTrackAddress, static_cast<uint8_t>(track));
    Write(kFdcSectorAddress, static_cast<uint8_t>(sector));
    Write(kFdcCommandAddress, 0x88);
    std::vector<uint8_t> bytes;
    for (int i = 0; i < kTickLimit && Busy(); ++i) {
      fdc_.FdcService();
      if (fdc_.State().status & kStatusDataRequest) bytes.push_back(fdc_.FdcRegisterRead(kFdcDataAddress));
    }
    return bytes;
  }
  // WRITE SECTOR, perhaps with a drive select at some byte; then, when no
  // drive changed, the sector is read back.
  void WriteAndReadBack() {
    const int track = in_.ConsumeIntegral<uint8_t>() % 84;
    const int sector = in_.ConsumeIntegralInRange(0, 9);
    const uint8_t fill = in_.ConsumeIntegral<uint8_t>();
    const bool change = in_.ConsumeBool();
    const int changeAt = in_.ConsumeIntegralInRange(0, 257);
    const uint8_t latch = in_.ConsumeIntegral<uint8_t>();
    Write(kFdcTrackAddress, static_cast<uint8_t>(track));
    Write(kFdcSectorAddress, static_cast<uint8_t>(sector));
    Write(kFdcCommandAddress, 0xA8);
    int fed = 0;
    for (int i = 0; i < kTickLimit && Busy(); ++i) {
      fdc_.FdcService();
      if (!fdc_.State().dataRequest) continue;
      if (change && fed == changeAt) Select(latch);
      Write(kFdcDataAddress, static_cast<uint8_t>(fill + fed));
      ++fed;
    }
    if (Busy()) return;  // never committed
    const int drive = fdc_.State().selectedDrive;
    std::vector<uint8_t> sectorBytes(kSectorBytes);
    for (int b = 0; b < kSectorBytes; ++b) sectorBytes[b] = static_cast<uint8_t>(fill + b);
    if (drive == 1 && track < kOtherTracks) {
      std::copy(sectorBytes.begin(), sectorBytes.end(),
                other_.begin() + track * kTrackBytes + sector * kSectorBytes);
    }
    const bool writable = drive == 0 ? writable_ : drive == 1;
    const int tracks = drive == 0 ? tracks_ : kOtherTracks;
    if (writable && track < tracks) FUZZ_CHECK(ReadSector(track, sector) == sectorBytes);
  }
  // WRITE TRACK of a whole track in interleave order, on the selected drive.
  void FormatTrack() {
    const uint8_t track = in_.ConsumeIntegral<uint8_t>() % 84;
    const uint8_t fill = in_.ConsumeIntegral<uint8_t>();
    std::vector<uint8_t> stream(12, 0xFF);
    for (uint8_t id : kSectorInterleave) {
      const uint8_t header[] = {0xFE, track, 0, id, 1, 0xF7};
      stream.insert(stream.end(), std::begin(header), std::end(header));
      stream.insert(stream.end(), 11, 0xFF);
      stream.push_back(0xFB);
      stream.insert(stream.end(), kSectorBytes, static_cast<uint8_t>(fill + id));
      stream.push_back(0xF7);
      stream.insert(stream.end(), 12, 0xFF);
    }
    stream.insert(stream.end(), 200, 0xFF);
    size_t next = 0;
    Write(kFdcCommandAddress, 0xF4);
    for (int i = 0; i < 12 * 3696 && Busy(); ++i) {
      fdc_.FdcService();
      if (fdc_.State().dataRequest && next < stream.size()) Write(kFdcDataAddress, stream[next++]);
    }
    if (fdc_.State().selectedDrive == 1 && track < kOtherTracks && next > 0) {
      for (int id = 0; id < kSectorsPerTrack; ++id)
        std::fill_n(other_.begin() + track * kTrackBytes + id * kSectorBytes, kSectorBytes,
                    static_cast<uint8_t>(fill + id));
    }
    Write(kFdcCommandAddress, 0xD0);
    Tick(2);
  }
  void CheckFiles() {
    const auto now = fuzz::ReadFile(path_);
    FUZZ_CHECK(now.size() == original_.size());
    if (!writable_) FUZZ_CHECK(now == original_);
    if (kind_ == DiskImageKind::TrackImage)
      FUZZ_CHECK(std::equal(now.begin(), now.begin() + 16, original_.begin()));
    if (kind_ == DiskImageKind::PlainWithSectorTable)
      FUZZ_CHECK(std::equal(now.begin(), now.begin() + kSectorTableHeaderBytes, original_.begin()));
    FUZZ_CHECK(fuzz::ReadFile(otherPath_) == other_);
  }

  FuzzedDataProvider& in_;
  std::vector<uint8_t> original_;
  std::vector<uint8_t> other_;
  std::string path_, otherPath_;
  DiskDrives drives_;
  Fdc fdc_{drives_};
  bool writable_ = false;
  DiskImageKind kind_ = DiskImageKind::None;
  int tracks_ = 0;
};

std::vector<uint8_t> ChooseImage(FuzzedDataProvider& in) {
  const int kind = in.ConsumeIntegralInRange(0, 3);
  if (kind == 0) return in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 120000));
  const int tracks =
      kind == 1 ? in.ConsumeIntegralInRange(1, 40) : in.ConsumeIntegralInRange(kMinTableTracks, 40);
  const uint8_t seed = in.ConsumeIntegral<uint8_t>();
  std::vector<uint8_t> image =
      kind == 1   ? PlainImage(tracks, seed)
      : kind == 2 ? TableImage(tracks, seed, in.ConsumeIntegralInRange(0, 9))
                  : TrackImage(tracks, seed, in.ConsumeIntegralInRange(0, 40), in.ConsumeBool());
  const int patches = in.ConsumeIntegralInRange(0, 12);
  for (int i = 0; i < patches; ++i) {
    const size_t at = in.ConsumeIntegral<uint32_t>() % image.size();
    image[at] = in.ConsumeIntegral<uint8_t>();
  }
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Rig rig(ChooseImage(in), in);
  rig.Run();
  return 0;
}
