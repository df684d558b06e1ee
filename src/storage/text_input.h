// Typing a text file into the machine. The ROM's key-wait routine at 0x0049
// calls the keyboard scan and continues at 0x004C, which returns the key in A
// when it is not zero and otherwise loops back to 0x0049. Before every
// processor step that is about to run 0x0049 we hand it the next byte of the
// file in A and continue at 0x004C, as if the scan had found that key. Line
// feeds and bytes 0x80 and above become 0, which the ROM loops over, so a file
// with CR LF line ends types each line once, ending with ENTER.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cpu/cpu_state.h"

namespace quillor {

inline constexpr uint16_t kKeyWaitEntry = 0x0049;
inline constexpr uint16_t kKeyWaitAfterScan = 0x004C;

class TextInput {
 public:
  // Ends any running input, then starts typing the file at path. False (and
  // nothing typed) when it cannot be read.
  bool Start(const std::string& path);
  // Types bytes instead of a file.
  void StartWithText(std::vector<uint8_t> bytes);
  void Stop();
  bool Active() const { return active_; }

  // Before every processor step.
  void Step(CpuState& cpu) {
    if (active_ && cpu.PC == kKeyWaitEntry) TypeNextByte(cpu);
  }

 private:
  void TypeNextByte(CpuState& cpu);

  std::vector<uint8_t> text_;
  std::size_t pos_ = 0;
  bool active_ = false;
};

}  // namespace quillor
