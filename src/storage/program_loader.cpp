#include "storage/program_loader.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "storage/file_bytes.h"

namespace quillor {

namespace {

constexpr uint8_t kSyncByte = 0xA5;
constexpr uint8_t kBasicHeaderByte = 0xD3;
constexpr uint8_t kDiskBasicMarker = 0xFF;
constexpr uint8_t kSystemTapeMarker = 0x55;
constexpr uint8_t kTapeDataBlock = 0x3C;
constexpr uint8_t kTapeEntryBlock = 0x78;
constexpr uint8_t kCmdDataRecord = 0x01;
constexpr uint8_t kCmdEntryRecord = 0x02;
constexpr std::size_t kTapeNameBytes = 6;

// Reads a file front to back; every read past the end fails instead of
// inventing data.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::size_t Position() const { return pos_; }
  void Seek(std::size_t pos) { pos_ = pos; }
  std::optional<uint8_t> Byte() {
    if (AtEnd()) return std::nullopt;
    return bytes_[pos_++];
  }
  std::optional<uint16_t> Word() {
    if (bytes_.size() - pos_ < 2) return std::nullopt;
    const uint16_t value = static_cast<uint16_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
    pos_ += 2;
    return value;
  }
  void Skip(std::size_t count) { pos_ = count < bytes_.size() - pos_ ? pos_ + count : bytes_.size(); }
  // Up to count bytes from here on, fewer at the end of the file.
  std::span<const uint8_t> Take(std::size_t count) {
    const std::size_t n = AtEnd() ? 0 : std::min(count, bytes_.size() - pos_);
    auto part = bytes_.subspan(pos_, n);
    pos_ += n;
    return part;
  }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// Copies data to memory from address on, keeping only what lands in RAM or
// video memory: below 0x3C00 is ROM and devices, and nothing wraps past 0xFFFF.
// Returns the address after the last byte placed (0x10000 when cut at the top).
uint32_t StoreBlock(MemoryImage memory, uint32_t address, std::span<const uint8_t> data) {
  const uint32_t end = std::min<uint32_t>(address + static_cast<uint32_t>(data.size()), 0x10000);
  for (uint32_t at = std::max<uint32_t>(address, kLowestLoadAddress); at < end; ++at) {
    memory[at] = data[at - address];
  }
  return end;
}

uint16_t PeekWord(MemoryImage memory, uint16_t address) {
  return static_cast<uint16_t>(memory[address] | memory[static_cast<uint16_t>(address + 1)] << 8);
}

int32_t ParseCmdRecords(ByteReader& in, MemoryImage memory) {
  in.Seek(0);
  while (!in.AtEnd()) {
    const auto type = in.Byte();
    const auto length = in.Byte();
    if (!type || !length) break;
    if (*type == kCmdDataRecord) {
      const auto address = in.Word();
      if (!address) break;
      // The length counts the address; its low byte 0 stands for 256.
      const int count = ((*length - 2) & 0xFF) == 0 ? 256 : ((*length - 2) & 0xFF);
      StoreBlock(memory, *address, in.Take(static_cast<std::size_t>(count)));
    } else if (*type == kCmdEntryRecord) {
      const auto entry = in.Word();
      if (!entry) break;
      return *entry;
    } else {
      in.Skip(*length);
    }
  }
  return kNotAProgram;
}

int32_t ParseSystemTape(ByteReader& in, MemoryImage memory) {
  in.Skip(kTapeNameBytes);
  while (!in.AtEnd()) {
    const uint8_t marker = *in.Byte();
    if (marker == kTapeDataBlock) {
      const auto count = in.Byte();
      const auto address = in.Word();
      if (!count || !address) break;
      StoreBlock(memory, *address, in.Take(*count == 0 ? 256 : *count));
      in.Skip(1);  // the checksum is not checked
    } else if (marker == kTapeEntryBlock) {
      const auto entry = in.Word();
      if (!entry) break;
      return *entry;
    }
    // Any other byte between blocks is skipped.
  }
  return kNotAProgram;
}

int32_t LoadBasic(ByteReader& in, MemoryImage memory, CpuState& cpu) {
  const uint16_t start = PeekWord(memory, kBasicTextStartPointer);
  cpu.SetDE(start);
  const uint16_t end = static_cast<uint16_t>(StoreBlock(memory, start, in.Take(memory.size())));
  memory[kBasicTextEndPointer] = static_cast<uint8_t>(end);
  memory[kBasicTextEndPointer + 1] = static_cast<uint8_t>(end >> 8);
  cpu.PC = kBasicRelinkEntry;
  return kBasicProgram;
}

}  // namespace

int32_t LoadProgramImage(std::span<const uint8_t> file, bool probe, MemoryImage memory, CpuState& cpu) {
  ByteReader in(file);
  uint8_t b = 0;
  while (!in.AtEnd() && (b = *in.Byte()) == 0) {
  }
  // Nothing but zeros, or a lone marker at the very end: nothing to load.
  if (b == 0 || in.AtEnd()) return kNotAProgram;

  if (b >= 0x01 && b <= 0x1F) return ParseCmdRecords(in, memory);
  if (b == kSyncByte) {
    b = *in.Byte();
    if (b == kBasicHeaderByte) {
      for (int i = 0; i < 2; ++i) {
        if (in.Byte() != kBasicHeaderByte) return kNotAProgram;
      }
      if (!in.Byte()) return kNotAProgram;  // the name byte
      b = kDiskBasicMarker;
    }
  }
  if (b == kDiskBasicMarker) return probe ? kBasicProgram : LoadBasic(in, memory, cpu);
  if (b == kSystemTapeMarker) return ParseSystemTape(in, memory);
  return kNotAProgram;
}

int32_t LoadProgramFile(const std::string& path, bool probe, MemoryImage memory, CpuState& cpu) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return kNotAProgram;
  return LoadProgramImage(*bytes, probe, memory, cpu);
}

}  // namespace quillor
