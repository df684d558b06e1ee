#include "frontend/save_memory.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace quillor {

namespace {

constexpr int kLeaderBytes = 255;
constexpr uint8_t kSyncByte = 0xA5;
constexpr uint8_t kSystemTapeMarker = 0x55;
constexpr uint8_t kDataBlock = 0x3C;
constexpr uint8_t kEntryBlock = 0x78;
constexpr std::size_t kNameBytes = 6;
constexpr int kBlockBytes = 256;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

void PutWord(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

}  // namespace

int32_t TestHex(std::string_view text, bool& inputError) {
  if (text.starts_with("0x")) text.remove_prefix(2);
  if (text.size() < 4) {
    inputError = true;
    return -1;
  }
  int32_t value = 0;
  for (char c : text.substr(0, 4)) {
    const int digit = HexDigitValue(c);
    if (digit < 0) {
      inputError = true;
      return -1;
    }
    value = value * 16 + digit;
  }
  return value;
}

std::string TapeProgramName(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string().substr(0, kNameBytes);
  if (const auto dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
  for (char& c : name) c = AsciiUpper(c);
  name.resize(kNameBytes, ' ');
  return name;
}

std::string SaveMemoryFileName(const std::string& chosen) {
  return std::filesystem::path(chosen).replace_extension(".cas").string();
}

std::vector<uint8_t> BuildMemoryTape(std::string_view name, uint16_t from, uint16_t to, uint16_t start,
                                     const PeekFunction& peek) {
  std::vector<uint8_t> out(kLeaderBytes, 0x00);
  out.push_back(kSyncByte);
  out.push_back(kSystemTapeMarker);
  for (std::size_t i = 0; i < kNameBytes; ++i) {
    out.push_back(static_cast<uint8_t>(i < name.size() ? name[i] : ' '));
  }
  uint32_t address = from;
  do {
    const uint16_t load = static_cast<uint16_t>(address);
    uint8_t checksum = static_cast<uint8_t>((load & 0xFF) + (load >> 8));
    std::vector<uint8_t> data;
    do {  // at least one byte per block, so From >= To still saves one
      const uint8_t byte = peek(static_cast<uint16_t>(address));
      data.push_back(byte);
      checksum = static_cast<uint8_t>(checksum + byte);
      ++address;
    } while (data.size() < kBlockBytes && address < to);
    out.push_back(kDataBlock);
    out.push_back(static_cast<uint8_t>(data.size()));  // 256 is written as 0
    PutWord(out, load);
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(checksum);
  } while (address < to);
  out.push_back(kEntryBlock);
  PutWord(out, start);
  return out;
}

std::string SaveMemoryToCassette(const std::string& chosen, uint16_t from, uint16_t to, uint16_t start,
                                 const PeekFunction& peek) {
  const std::string path = SaveMemoryFileName(chosen);
  const auto image = BuildMemoryTape(TapeProgramName(path), from, to, start, peek);
  // Written under a temporary name and renamed when complete: a failed save
  // (a full disk) leaves an earlier file of that name as it was.
  const std::string part = path + ".part";
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(part.c_str(), "wb"), &std::fclose);
  if (!file) return {};
  const bool written = std::fwrite(image.data(), 1, image.size(), file.get()) == image.size();
  if (std::fclose(file.release()) != 0 || !written || std::rename(part.c_str(), path.c_str()) != 0) {
    std::remove(part.c_str());
    return {};
  }
  return path;
}

}  // namespace quillor
