// The documented entries that machine-code programs call for arithmetic and
// conversions, each called from a program in RAM with its registers: the
// ACC (4121, or 411D for a double), its type (40AF) and the registers that
// come back. The double add, subtract, multiply and divide entries are
// swept in double_arithmetic_test.cpp.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "system/running_machine.h"
#include "system/single_driver.h"

namespace quillor::test {
namespace {

constexpr uint16_t kProgram = 0x5000, kEnd = 0x5017, kOut = 0x6000, kText = 0x6100;
constexpr uint16_t kAcc = 0x4121, kDoubleAcc = 0x411D, kType = 0x40AF;

struct Registers {
  uint16_t bc = 0, de = 0, hl = 0;
};

class MathEntry : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m.Boot()); }

  // Calls entry with the registers and the ACC as set before; HL, DE and A
  // come back at kOut, kOut+2 and kOut+4.
  void Call(uint16_t entry, Registers r) {
    const uint8_t program[] = {
        0x01, uint8_t(r.bc),  uint8_t(r.bc >> 8),   // 5000 LD BC,bc
        0x11, uint8_t(r.de),  uint8_t(r.de >> 8),   // 5003 LD DE,de
        0x21, uint8_t(r.hl),  uint8_t(r.hl >> 8),   // 5006 LD HL,hl
        0xCD, uint8_t(entry), uint8_t(entry >> 8),  // 5009 CALL entry
        0x22, 0x00,           0x60,                 // 500C LD (6000h),HL
        0xED, 0x53,           0x02,
        0x60,                        // 500F LD (6002h),DE
        0x32, 0x04,           0x60,  // 5013 LD (6004h),A
        0x18, 0xFE,                  // 5016 JR $ (5017 is its offset)
    };
    m.Start(kProgram, program);
    ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kEnd - 1; }, 50));
  }
  void SetSingle(double x) {
    m.Store(kAcc, NearestSingle(x).bytes);
    m.Store(kType, std::vector<uint8_t>{4});
  }
  void SetInt(int16_t v) {
    m.Store(kAcc, std::vector<uint8_t>{uint8_t(v), uint8_t(v >> 8)});
    m.Store(kType, std::vector<uint8_t>{2});
  }
  double Single() {
    quillor::test::Single s;
    for (int b = 0; b < 4; ++b) s.bytes[b] = m.Byte(kAcc + b);
    return Value(s);
  }
  int16_t Int() { return int16_t(m.Word(kAcc)); }
  uint16_t SingleHigh(double x) {
    const auto s = NearestSingle(x);
    return uint16_t(s.bytes[3] << 8 | s.bytes[2]);
  }
  uint16_t SingleLow(double x) {
    const auto s = NearestSingle(x);
    return uint16_t(s.bytes[1] << 8 | s.bytes[0]);
  }
  void StoreText(const std::string& text) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    m.Store(kText, bytes);
  }

  RunningMachine m;
};

// 0BD2, 0BC7, 0BF2: ACC = DE op HL as an integer, or a single when it does
// not fit; 2490: DE / HL, always a single.
TEST_F(MathEntry, IntegerArithmeticTakesDeAndHl) {
  const struct {
    uint16_t entry;
    int16_t de, hl;
    int type;
    double result;
  } cases[] = {
      {0x0BD2, 1000, 234, 2, 1234}, {0x0BD2, 30000, 30000, 4, 60000},
      {0x0BC7, 5, 7, 2, -2},        {0x0BC7, -30000, 30000, 4, -60000},
      {0x0BF2, 12, -3, 2, -36},     {0x0BF2, 300, 200, 4, 60000},
      {0x2490, 7, 2, 4, 3.5},       {0x2490, -9, 4, 4, -2.25},
  };
  for (const auto& c : cases) {
    Call(c.entry, {0, uint16_t(c.de), uint16_t(c.hl)});
    EXPECT_EQ(m.Byte(kType), c.type) << std::hex << c.entry << " " << c.de;
    EXPECT_EQ(c.type == 2 ? double(Int()) : Single(), c.result) << std::hex << c.entry << " " << c.de;
  }
}

// 0716, 0713, 0847, 08A2: ACC = BCDE op ACC, singles.
TEST_F(MathEntry, SingleArithmeticTakesBcdeAndTheAcc) {
  const struct {
    uint16_t entry;
    double result;
  } cases[] = {{0x0716, 3.75}, {0x0713, -0.75}, {0x0847, 3.375}, {0x08A2, Value(NearestSingle(1.5 / 2.25))}};
  for (const auto& c : cases) {
    SetSingle(2.25);
    Call(c.entry, {SingleHigh(1.5), SingleLow(1.5), 0});
    EXPECT_EQ(m.Byte(kType), 4) << std::hex << c.entry;
    EXPECT_EQ(Single(), c.result) << std::hex << c.entry;
  }
}

// 0AB1 CSNG and 0ADB CDBL convert the ACC in place; 0A7F gives it to HL as
// an integer (the largest whole number not above it).
TEST_F(MathEntry, ConversionsOfTheAcc) {
  SetInt(-5);
  Call(0x0AB1, {});
  EXPECT_EQ(m.Byte(kType), 4);
  EXPECT_EQ(Single(), -5);

  SetSingle(1.5);
  Call(0x0ADB, {});
  EXPECT_EQ(m.Byte(kType), 8);
  EXPECT_EQ(m.Word(kDoubleAcc), 0);  // the four bytes below the single's are 0
  EXPECT_EQ(m.Word(kDoubleAcc + 2), 0);
  EXPECT_EQ(Single(), 1.5);

  SetSingle(-2.5);
  Call(0x0A7F, {});
  EXPECT_EQ(int16_t(m.Word(kOut)), -3);
  SetInt(77);
  Call(0x0A7F, {});
  EXPECT_EQ(m.Word(kOut), 77);
}

// 0E6C reads a number at HL and chooses its type by the digits; 0FBD writes
// the ACC as PRINT does to the buffer at HL and returns HL there; 1E5A reads a line
// number into DE and stops at the first byte that is not a digit.
TEST_F(MathEntry, NumbersToAndFromText) {
  StoreText("1.5");
  Call(0x0E6C, {0, 0, kText});
  EXPECT_EQ(m.Byte(kType), 4);
  EXPECT_EQ(Single(), 1.5);
  StoreText("123");
  Call(0x0E6C, {0, 0, kText});
  EXPECT_EQ(m.Byte(kType), 2);
  EXPECT_EQ(Int(), 123);

  SetSingle(-3.75);
  Call(0x0FBD, {0, 0, kText});
  EXPECT_EQ(m.Word(kOut), kText);
  std::string text;
  for (uint16_t a = m.Word(kOut); m.Byte(a) != 0 && text.size() < 20; ++a) text += char(m.Byte(a));
  EXPECT_EQ(text, "-3.75");

  StoreText("4711X");
  Call(0x1E5A, {0, 0, kText});
  EXPECT_EQ(m.Word(kOut + 2), 4711);
  EXPECT_EQ(m.Byte(kOut + 4), 'X');
}

}  // namespace
}  // namespace quillor::test
