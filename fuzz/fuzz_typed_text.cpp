// A text file typed into the machine: each byte is handed to the ROM's key
// wait exactly once, in order, line feeds and high bytes as 0, and the input
// ends after the last one. Read from a file, as the user's command does.
#include <cstddef>
#include <cstdint>

#include "cpu/cpu_state.h"
#include "fuzz_support.h"
#include "storage/text_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillor;
  const std::vector<uint8_t> text(data, data + size);
  const std::string path = fuzz::WriteFile("typed.txt", text);
  TextInput input;
  FUZZ_CHECK(input.Start(path));
  CpuState cpu{};
  for (size_t i = 0; i < size; ++i) {
    // A step elsewhere types nothing.
    cpu.PC = 0x1234;
    input.Step(cpu);
    FUZZ_CHECK(cpu.PC == 0x1234);
    cpu.PC = kKeyWaitEntry;
    input.Step(cpu);
    FUZZ_CHECK(cpu.PC == kKeyWaitAfterScan);
    const uint8_t expected = (text[i] == 0x0A || text[i] >= 0x80) ? 0 : text[i];
    FUZZ_CHECK(cpu.A == expected);
  }
  cpu.PC = kKeyWaitEntry;
  input.Step(cpu);
  FUZZ_CHECK(!input.Active());
  FUZZ_CHECK(cpu.PC == kKeyWaitEntry);
  FUZZ_CHECK(fuzz::ReadFile(path) == text);
  return 0;
}
