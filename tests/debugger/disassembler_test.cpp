// The disassembler's text layout, number notation and the search backwards.
#include <gtest/gtest.h>

#include <string>

#include "debugger/disassembler.h"
#include "debugger/hex_text.h"
#include "debugger/peek_memory.h"

namespace quillor {
namespace {

std::string Padded(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

class DisassemblerTest : public ::testing::Test {
 protected:
  void At(uint16_t address, std::initializer_list<uint8_t> bytes) {
    memory.Load(address, bytes);
    disassembler.Disassemble(address);
  }
  std::string Text() const { return disassembler.LineText(); }

  PeekMemoryFake memory;
  Disassembler disassembler{memory};
};

TEST(HexText, DigitsAndOperandNotation) {
  EXPECT_EQ(HexByte(0x0A), "0A");
  EXPECT_EQ(HexWord(0xBEEF), "BEEF");
  EXPECT_EQ(OperandByte(0x3E), "3EH");
  EXPECT_EQ(OperandByte(0x9F), "9FH");
  EXPECT_EQ(OperandByte(0xA0), "0A0H");
  EXPECT_EQ(OperandWord(0x9FFF), "9FFFH");
  EXPECT_EQ(OperandWord(0xA000), "0A000H");
}

TEST_F(DisassemblerTest, BytesAndLineArePaddedToTheirColumns) {
  At(0x4000, {0x3E, 0xFF});
  EXPECT_EQ(disassembler.BytesText(), Padded("4000  3E FF", 17));
  EXPECT_EQ(Text(), Padded("LD      A,0FFH", 24));
  EXPECT_EQ(disassembler.InstructionLength(), 2);
}

TEST_F(DisassemblerTest, FourBytesFillTheBytesTextExactly) {
  At(0x5000, {0xDD, 0x36, 0x05, 0x2A});
  EXPECT_EQ(disassembler.BytesText(), "5000  DD 36 05 2A");
  EXPECT_EQ(Text(), Padded("LD      (IX+05H),2AH", 24));
  EXPECT_EQ(disassembler.InstructionLength(), 4);
  // A fifth byte (two prefixes) is counted but cut from the text.
  At(0x5000, {0xFD, 0xDD, 0x36, 0x05, 0x2A});
  EXPECT_EQ(disassembler.BytesText(), "5000  FD DD 36 05");
  EXPECT_EQ(disassembler.InstructionLength(), 5);
}

TEST_F(DisassemblerTest, RelativeTargetsWrap) {
  At(0x8000, {0x18, 0xFE});
  EXPECT_EQ(Text(), Padded("JR      8000H", 24));
  At(0xFFFE, {0x10, 0x00});
  EXPECT_EQ(Text(), Padded("DJNZ    0000H", 24));
  EXPECT_EQ(disassembler.NextAddress(), 0x0000);
  At(0x0000, {0x20, 0x80});
  EXPECT_EQ(Text(), Padded("JR      NZ,0FF82H", 24));
}

TEST_F(DisassemblerTest, AnInstructionRunsOverTheTopOfMemory) {
  At(0xFFFF, {0x21});
  memory.Load(0x0000, {0x00, 0xC0});
  disassembler.Disassemble(0xFFFF);
  EXPECT_EQ(Text(), Padded("LD      HL,0C000H", 24));
  EXPECT_EQ(disassembler.BytesText(), Padded("FFFF  21 00 C0", 17));
  EXPECT_EQ(disassembler.NextInstruction(0xFFFF), 0x0002);
}

TEST_F(DisassemblerTest, IndexedBitOperationsAndUnsignedDisplacements) {
  At(0x6000, {0xDD, 0xCB, 0x10, 0x06});
  EXPECT_EQ(Text(), Padded("RLC     (IX+10H)", 24));
  At(0x6000, {0xDD, 0xCB, 0x10, 0x00});
  EXPECT_EQ(Text(), Padded("RLC     (IX+10H),B", 24));
  At(0x6000, {0xFD, 0xCB, 0x02, 0x46});
  EXPECT_EQ(Text(), Padded("BIT     0,(IY+02H)", 24));
  At(0x6000, {0xFD, 0x7E, 0xFF});
  EXPECT_EQ(Text(), Padded("LD      A,(IY+0FFH)", 24));
}

TEST_F(DisassemblerTest, AccumulatorGroupKeepsItsOwnSpelling) {
  At(0x4000, {0x07});
  EXPECT_EQ(Text(), Padded("RLCA", 24));
  At(0x4000, {0x17});
  EXPECT_EQ(Text(), Padded("RLA ", 24));
  At(0x4000, {0xCE, 0xA0});
  EXPECT_EQ(Text(), Padded("ADC     A,0A0H", 24));
}

// Plain memory of NOPs around the instructions under test.
TEST_F(DisassemblerTest, PreviousFindsAThreeByteInstructionInStep) {
  memory.Load(0x4010, {0xCD, 0x34, 0x12});
  EXPECT_EQ(disassembler.PreviousInstruction(0x4013), 0x4010);
  EXPECT_EQ(disassembler.PreviousInstruction(0x4010), 0x400F);
}

TEST_F(DisassemblerTest, PreviousFindsAnIndexedBitInstruction) {
  memory.Load(0x4010, {0xDD, 0xCB, 0x05, 0x06, 0x00});
  EXPECT_EQ(disassembler.PreviousInstruction(0x4014), 0x4010);
}

TEST_F(DisassemblerTest, PreviousTriesLaterStartsUntilOneLandsExactly) {
  // LD BC,0101H over and over: starting 16 bytes back is out of step, 15
  // bytes back lands.
  memory.memory.fill(0x01);
  EXPECT_EQ(disassembler.PreviousInstruction(0x4000), 0x3FFD);
}

TEST_F(DisassemblerTest, PreviousGivesOneByteBackWhenNoStartLands) {
  // DD 21 DD 21 ...: from a DD, four-byte LD IX; from a 21, a three-byte
  // LD HL and then four-byte steps. No start from 13 to 16 bytes before an
  // odd address reaches it.
  for (int a = 0; a < 0x10000; a += 2) memory.Load(static_cast<uint16_t>(a), {0xDD, 0x21});
  EXPECT_EQ(disassembler.PreviousInstruction(0x4001), 0x4000);
  EXPECT_EQ(disassembler.PreviousInstruction(0x4000), 0x3FFC);
}

TEST_F(DisassemblerTest, PreviousAcrossTheTopOfMemory) {
  memory.Load(0xFFFF, {0x21});
  memory.Load(0x0000, {0x34, 0x12});
  EXPECT_EQ(disassembler.PreviousInstruction(0x0002), 0xFFFF);
  memory.memory.fill(0x00);
  EXPECT_EQ(disassembler.PreviousInstruction(0x0000), 0xFFFF);
}

}  // namespace
}  // namespace quillor
