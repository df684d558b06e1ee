// A program file (.cmd, .cas, .bas) loaded as autostart does: the ROM area
// below 0x3C00 is never touched, the file is never changed, the result is an
// entry address or one of the two codes, and loading from the file gives
// the same memory as loading its bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "cpu/cpu_state.h"
#include "fuzz_support.h"
#include "storage/program_loader.h"

namespace {

std::array<uint8_t, 0x10000> FreshMemory() {
  std::array<uint8_t, 0x10000> memory{};
  for (size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
  return memory;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillor;
  const std::vector<uint8_t> file(data, data + size);
  const std::string path = fuzz::WriteFile("program.cas", file);
  for (const bool probe : {false, true}) {
    auto fromBytes = FreshMemory();
    auto fromFile = FreshMemory();
    const auto pristine = FreshMemory();
    CpuState cpuBytes{}, cpuFile{};
    const int32_t a = LoadProgramImage(file, probe, fromBytes, cpuBytes);
    const int32_t b = LoadProgramFile(path, probe, fromFile, cpuFile);
    FUZZ_CHECK(a == b);
    FUZZ_CHECK(a == kNotAProgram || a == kBasicProgram || (a >= 0 && a <= 0xFFFF));
    FUZZ_CHECK(std::equal(pristine.begin(), pristine.begin() + kLowestLoadAddress, fromBytes.begin()));
    FUZZ_CHECK(fromBytes == fromFile);
    if (a == kBasicProgram && !probe) FUZZ_CHECK(cpuBytes.PC == kBasicRelinkEntry);
  }
  FUZZ_CHECK(fuzz::ReadFile(path) == file);
  return 0;
}
