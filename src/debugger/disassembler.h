// The Z80 disassembler of the debugger: one instruction at an address turned
// into a line of assembler text, its length, and the start of the instruction
// before an address. Memory is read only through the side-effect-free peek,
// so disassembling never disturbs the machine.
#pragma once

#include <cstdint>
#include <string>

#include "cpu/memory_peek.h"

namespace quillor {

inline constexpr size_t kLineTextWidth = 24;
inline constexpr size_t kBytesTextWidth = 17;

class Disassembler {
 public:
  explicit Disassembler(const MemoryPeek& memory) : memory_(memory) {}

  // Decodes the instruction at the address; the results below hold until the
  // next call.
  void Disassemble(uint16_t address);
  // Disassemble, then the address after the instruction (wrapping).
  uint16_t NextInstruction(uint16_t address);
  // The start of the instruction that ends just before the address, found
  // by decoding forward from a little earlier; address - 1 when no start
  // lines up.
  uint16_t PreviousInstruction(uint16_t address);

  // Mnemonic and operands, operands from column 9, padded to 24 characters.
  const std::string& LineText() const { return lineText_; }
  // "AAAA" and a blank, then " XX" per byte, cut and padded to 17 characters.
  const std::string& BytesText() const { return bytesText_; }
  uint16_t InstructionLength() const { return length_; }
  uint16_t NextAddress() const { return static_cast<uint16_t>(start_ + length_); }

 private:
  enum class Index { HL, IX, IY };

  uint8_t Fetch();
  uint8_t Peek(uint16_t address) const { return memory_.PeekMemory(address); }
  void Append(const std::string& templateText);
  void Set(const char* text) { lineText_ = text; }

  // Names under the current index mode.
  std::string R(int index) const;
  std::string Rp(int p) const;
  std::string Rp2(int p) const;
  std::string N() { return OperandByteOf(Fetch()); }
  std::string Nn();
  std::string Relative();
  // Fetches the displacement when the operand is (IX+d)/(IY+d).
  void TakeDisplacement() {
    if (index_ != Index::HL) Fetch();
  }
  static std::string OperandByteOf(uint8_t value);

  void DecodeMain(uint8_t opcode);
  void DecodeMainX0(int y, int z, int p, int q);
  void DecodeMainX1(uint8_t opcode, int y, int z);
  void DecodeMainX3(int y, int z, int p, int q);
  void DecodeCb();
  void DecodeEd();

  const MemoryPeek& memory_;
  uint16_t start_ = 0;
  uint16_t fetch_ = 0;
  uint16_t length_ = 0;
  Index index_ = Index::HL;
  // H and L keep their plain names beside an (IX+d) operand.
  bool plainHalves_ = false;
  uint8_t displacement_ = 0;
  std::string lineText_;
  std::string bytesText_;
};

}  // namespace quillor
