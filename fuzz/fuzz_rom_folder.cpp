// A ROM folder with files named like images (any case and extension), of any
// size, some huge but sparse, some folders named like images. Only files of
// exactly the expected size are taken, each as it is; every other named file
// gets a message; no file in the folder changes.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>

#include "fuzz_support.h"
#include "machine/rom_registry.h"

namespace {

constexpr std::array<const char*, 10> kNames{"ROM12K",   "rom12ks3", "ROM2K",    "Rom2kS2", "ROM2KS3",
                                             "CHRGENS1", "chrgens2", "CHRGENS3", "README",  "ROM12"};
constexpr std::array<const char*, 4> kExtensions{"", ".bin", ".ROM", ".x.y"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  namespace fs = std::filesystem;
  using namespace quillor;
  FuzzedDataProvider in(data, size);
  const fs::path folder = fuzz::Scratch() / "roms";
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::map<fs::path, std::vector<uint8_t>> files;
  std::map<std::string, std::vector<uint8_t>> usable;  // by upper-case name, last in path order wins
  const int count = in.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < count; ++i) {
    const std::string base = kNames[in.ConsumeIntegralInRange<size_t>(0, kNames.size() - 1)];
    const fs::path path =
        folder / (base + kExtensions[in.ConsumeIntegralInRange<size_t>(0, kExtensions.size() - 1)]);
    if (fs::exists(path)) continue;
    const auto expected = RomRegistry::ExpectedSize([&] {
      std::string upper = base;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      return upper;
    }());
    switch (in.ConsumeIntegralInRange(0, 3)) {
      case 0: {  // exactly the size its name asks for
        std::vector<uint8_t> bytes(expected.value_or(100), in.ConsumeIntegral<uint8_t>());
        files[path] = fuzz::ReadFile(fuzz::WriteFile(fs::relative(path, fuzz::Scratch()).string(), bytes));
        break;
      }
      case 1: {  // any small size
        const auto bytes = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 13000));
        fuzz::WriteFile(fs::relative(path, fuzz::Scratch()).string(), bytes);
        files[path] = bytes;
        break;
      }
      case 2:  // huge and sparse: only its size may be looked at
        fuzz::WriteFile(fs::relative(path, fuzz::Scratch()).string(), {});
        fs::resize_file(path, (1ull << 32) + in.ConsumeIntegral<uint16_t>());
        break;
      default: fs::create_directory(path); break;
    }
  }
  RomRegistry registry;
  const auto problems = registry.LoadUserFolder(folder.string());
  size_t named = 0, good = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string upper = entry.path().stem().string();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto expected = RomRegistry::ExpectedSize(upper);
    if (!expected) continue;
    ++named;
    if (entry.file_size() == *expected) {
      ++good;
      usable[upper] = fuzz::ReadFile(entry.path().string());
    }
  }
  FUZZ_CHECK(problems.size() == named - good);
  for (const auto& [name, bytes] : usable) {
    FUZZ_CHECK(registry.HasUserImage(name));
    const auto found = registry.Find(name);
    FUZZ_CHECK(found.size() == bytes.size());
  }
  for (const char* name : kNames) {
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!usable.count(upper)) FUZZ_CHECK(!registry.HasUserImage(upper));
  }
  for (const auto& [path, bytes] : files) FUZZ_CHECK(fuzz::ReadFile(path.string()) == bytes);
  return 0;
}
