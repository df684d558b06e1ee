// The ROM's double precision against the host: random operands go through
// the documented add, subtract, multiply and divide entries by small driver
// programs, and doubles go to text and back through the documented
// conversion entries. The host's long double holds a 56-bit mantissa
// exactly and rounds products and quotients far below the ROM's last place.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "system/running_machine.h"

namespace quillor::test {
namespace {

static_assert(std::numeric_limits<long double>::digits >= 64, "the host must hold 64-bit mantissas");

constexpr uint16_t kTable = 0x6000;
constexpr uint16_t kPointer = 0x5FFC;
constexpr uint16_t kCount = 0x5FFE;
constexpr uint16_t kDriver = 0x5000;
constexpr uint16_t kAdd = 0x0C77, kSubtract = 0x0C70, kMultiply = 0x0DA1, kDivide = 0x0DE5;

struct Double {
  uint8_t bytes[8];
};

long double Value(const Double& d) {
  if (d.bytes[7] == 0) return 0.0L;
  uint64_t mantissa = 0x80;
  mantissa = mantissa << 48 | uint64_t(d.bytes[6] & 0x7F) << 48;
  for (int b = 0; b < 6; ++b) mantissa |= uint64_t(d.bytes[b]) << (8 * b);
  const long double v = std::ldexp(static_cast<long double>(mantissa), d.bytes[7] - 128 - 56);
  return (d.bytes[6] & 0x80) ? -v : v;
}

// One unit in the last place of a 56-bit mantissa at the size of x.
long double Ulp(long double x) {
  int e;
  std::frexp(x, &e);
  return std::ldexp(1.0L, e - 56);
}

Double RandomDouble(std::mt19937& rng, int spread) {
  std::uniform_int_distribution<int> byte(0, 255), exponent(128 - spread, 128 + spread);
  Double d;
  for (int b = 0; b < 7; ++b) d.bytes[b] = uint8_t(byte(rng));
  d.bytes[7] = uint8_t(exponent(rng));
  return d;
}

std::vector<uint8_t> Bytes(const Double& d) { return std::vector<uint8_t>(d.bytes, d.bytes + 8); }

// Per case 16 bytes: the left operand (the ACC), then ARG; the result comes
// back over the left operand.
std::vector<uint8_t> OperationDriver(uint16_t entry) {
  // clang-format off
  return {
      0x21, 0x00, 0x60, 0x22, 0xFC, 0x5F,        // 5000 LD HL,6000h / LD (5FFCh),HL
      0x2A, 0xFC, 0x5F,                          // 5006 LD HL,(5FFCh)
      0x11, 0x1D, 0x41, 0x01, 0x08, 0x00,        // 5009 LD DE,411Dh / LD BC,8
      0xED, 0xB0,                                // 500F LDIR
      0x11, 0x27, 0x41, 0x01, 0x08, 0x00,        // 5011 LD DE,4127h / LD BC,8
      0xED, 0xB0,                                // 5017 LDIR
      0x3E, 0x08, 0x32, 0xAF, 0x40,              // 5019 LD A,8 / LD (40AFh),A
      0xCD, uint8_t(entry), uint8_t(entry >> 8),  // 501E CALL entry
      0x21, 0x1D, 0x41,                          // 5021 LD HL,411Dh
      0xED, 0x5B, 0xFC, 0x5F,                    // 5024 LD DE,(5FFCh)
      0x01, 0x08, 0x00, 0xED, 0xB0,              // 5028 LD BC,8 / LDIR
      0x21, 0x08, 0x00, 0x19,                    // 502D LD HL,8 / ADD HL,DE
      0x22, 0xFC, 0x5F,                          // 5031 LD (5FFCh),HL
      0x2A, 0xFE, 0x5F, 0x2B, 0x22, 0xFE, 0x5F,  // 5034 LD HL,(5FFEh) / DEC HL / LD (5FFEh),HL
      0x7C, 0xB5, 0x20, 0xC7,                    // 503B LD A,H / OR L / JR NZ,5006h
      0x18, 0xFE,                                // 503F JR $
  };
  // clang-format on
}
constexpr uint16_t kOperationDriverEnd = 0x503F;

// Per case 32 bytes: a double, then the 24 bytes of text 0FBDh makes of it.
const std::vector<uint8_t> kToTextDriver = {
    // clang-format off
    0x21, 0x00, 0x60, 0x22, 0xFC, 0x5F,          // 5000 LD HL,6000h / LD (5FFCh),HL
    0x2A, 0xFC, 0x5F,                            // 5006 LD HL,(5FFCh)
    0x11, 0x1D, 0x41, 0x01, 0x08, 0x00,          // 5009 LD DE,411Dh / LD BC,8
    0xED, 0xB0,                                  // 500F LDIR
    0x3E, 0x08, 0x32, 0xAF, 0x40,                // 5011 LD A,8 / LD (40AFh),A
    0xCD, 0xBD, 0x0F,                            // 5016 CALL 0FBDh
    0xE5, 0x2A, 0xFC, 0x5F,                      // 5019 PUSH HL / LD HL,(5FFCh)
    0x11, 0x08, 0x00, 0x19, 0xEB, 0xE1,          // 501D LD DE,8 / ADD HL,DE / EX DE,HL / POP HL
    0x01, 0x18, 0x00, 0xED, 0xB0,                // 5023 LD BC,24 / LDIR
    0xED, 0x53, 0xFC, 0x5F,                      // 5028 LD (5FFCh),DE
    0x2A, 0xFE, 0x5F, 0x2B, 0x22, 0xFE, 0x5F,    // 502C LD HL,(5FFEh) / DEC HL / LD (5FFEh),HL
    0x7C, 0xB5, 0x20, 0xCF,                      // 5033 LD A,H / OR L / JR NZ,5006h
    0x18, 0xFE,                                  // 5037 JR $
    // clang-format on
};
constexpr uint16_t kToTextDriverEnd = 0x5037;

// Per case 40 bytes: 24 bytes of text, then the value 0E6Ch reads from it
// and its type.
const std::vector<uint8_t> kFromTextDriver = {
    // clang-format off
    0x21, 0x00, 0x60, 0x22, 0xFC, 0x5F,          // 5000 LD HL,6000h / LD (5FFCh),HL
    0x2A, 0xFC, 0x5F,                            // 5006 LD HL,(5FFCh)
    0xCD, 0x6C, 0x0E,                            // 5009 CALL 0E6Ch
    0x2A, 0xFC, 0x5F, 0x11, 0x18, 0x00, 0x19,    // 500C LD HL,(5FFCh) / LD DE,24 / ADD HL,DE
    0xEB, 0x21, 0x1D, 0x41,                      // 5013 EX DE,HL / LD HL,411Dh
    0x01, 0x08, 0x00, 0xED, 0xB0,                // 5017 LD BC,8 / LDIR
    0x3A, 0xAF, 0x40, 0x12,                      // 501C LD A,(40AFh) / LD (DE),A
    0x21, 0x08, 0x00, 0x19,                      // 5020 LD HL,8 / ADD HL,DE
    0x22, 0xFC, 0x5F,                            // 5024 LD (5FFCh),HL
    0x2A, 0xFE, 0x5F, 0x2B, 0x22, 0xFE, 0x5F,    // 5027 LD HL,(5FFEh) / DEC HL / LD (5FFEh),HL
    0x7C, 0xB5, 0x20, 0xD4,                      // 502E LD A,H / OR L / JR NZ,5006h
    0x18, 0xFE,                                  // 5032 JR $
    // clang-format on
};
constexpr uint16_t kFromTextDriverEnd = 0x5032;

void RunDriver(RunningMachine& m, const std::vector<uint8_t>& driver, uint16_t end, int cases) {
  m.Store(kCount, std::vector<uint8_t>{uint8_t(cases), uint8_t(cases >> 8)});
  m.Start(kDriver, driver);
  ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == end; }, 40000));
}

Double ReadDouble(RunningMachine& m, uint16_t address) {
  Double d;
  for (int b = 0; b < 8; ++b) d.bytes[b] = m.Byte(address + b);
  return d;
}

std::string ReadText(RunningMachine& m, uint16_t address) {
  std::string text;
  for (uint8_t c; (c = m.Byte(address)) != 0 && text.size() < 24; ++address) text += char(c);
  return text;
}

// Random pairs through the entry; op gives the host result, which the ROM's
// must match within one unit in the last place. Returns the worst error in
// units in the last place.
template <typename Op>
double CheckOperation(uint16_t entry, Op op, uint32_t seed, int spread) {
  constexpr int kCases = 1200;
  RunningMachine m;
  EXPECT_TRUE(m.Boot());
  std::mt19937 rng(seed);
  std::vector<Double> left, right;
  for (int i = 0; i < kCases; ++i) {
    left.push_back(RandomDouble(rng, spread));
    right.push_back(RandomDouble(rng, spread));
  }
  // Cancelling to 0, an operand of 0 (not a divisor), equal exponents, and
  // 1 - 2^-56.
  right[0] = left[0];
  right[0].bytes[6] ^= 0x80;
  if (entry != kDivide) right[1].bytes[7] = 0;
  right[2].bytes[7] = left[2].bytes[7];
  left[3] = Double{{0, 0, 0, 0, 0, 0, 0, 0x81}};
  right[3] = Double{{0, 0, 0, 0, 0, 0, 0x80, 0x81 - 56}};
  for (int i = 0; i < kCases; ++i) {
    m.Store(kTable + 16 * i, Bytes(left[i]));
    m.Store(kTable + 16 * i + 8, Bytes(right[i]));
  }
  RunDriver(m, OperationDriver(entry), kOperationDriverEnd, kCases);
  double worst = 0;
  int failures = 0;
  for (int i = 0; i < kCases && failures < 10; ++i) {
    const long double expected = op(Value(left[i]), Value(right[i]));
    const long double got = Value(ReadDouble(m, kTable + 16 * i));
    const double error =
        expected == 0 ? (got == 0 ? 0.0 : 99.0) : double(std::fabs(got - expected) / Ulp(expected));
    worst = std::max(worst, error);
    if (error > 1.0) {
      ++failures;
      ADD_FAILURE() << "case " << i << ": " << double(Value(left[i])) << " and " << double(Value(right[i]))
                    << " gave " << double(got) << ", expected " << double(expected) << " (" << error
                    << " ulp)";
    }
  }
  return worst;
}

TEST(DoubleArithmetic, AddAndSubtractAreWithinOneUnitInTheLastPlace) {
  const double add = CheckOperation(
      kAdd, [](long double a, long double b) { return a + b; }, 11, 60);
  const double sub = CheckOperation(
      kSubtract, [](long double a, long double b) { return a - b; }, 12, 60);
  // Close exponents, where the most bits cancel.
  const double close = CheckOperation(
      kSubtract, [](long double a, long double b) { return a - b; }, 13, 1);
  std::printf("worst error: add %.3f, subtract %.3f (close %.3f) units in the last place\n", add, sub, close);
}

TEST(DoubleArithmetic, MultiplyAndDivideAreWithinOneUnitInTheLastPlace) {
  const double mul = CheckOperation(
      kMultiply, [](long double a, long double b) { return a * b; }, 14, 60);
  const double div = CheckOperation(
      kDivide, [](long double a, long double b) { return a / b; }, 15, 60);
  std::printf("worst error: multiply %.3f, divide %.3f units in the last place\n", mul, div);
}

TEST(DoubleArithmetic, DivisionByZeroAndOverflowAreReported) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(m.Type("PRINT 1#/0\rPRINT 1D38*10#\rPRINT 1D-38/1D10\r"));
  const std::string screen = m.Screen();
  EXPECT_NE(screen.find("?/0 ERROR"), std::string::npos) << screen;
  EXPECT_NE(screen.find("?OV ERROR"), std::string::npos) << screen;
  EXPECT_NE(screen.find("1D10\n 0\n"), std::string::npos) << screen;
}

// Random doubles to text: sixteen significant digits, the last one rounded.
TEST(DoubleConversion, TextHasSixteenCorrectlyRoundedDigits) {
  constexpr int kCases = 400;
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  std::mt19937 rng(21);
  std::vector<Double> values;
  for (int i = 0; i < kCases; ++i) {
    values.push_back(RandomDouble(rng, 120));
    m.Store(kTable + 32 * i, Bytes(values.back()));
  }
  RunDriver(m, kToTextDriver, kToTextDriverEnd, kCases);
  for (int i = 0; i < kCases; ++i) {
    const std::string text = ReadText(m, kTable + 32 * i + 8);
    std::string host = text;
    for (char& c : host)
      if (c == 'D') c = 'E';
    const long double x = Value(values[i]);
    const long double read = std::strtold(host.c_str(), nullptr);
    // Half a unit of the sixteenth digit, and a little for the ROM's scaling.
    const long double digit = std::pow(10.0L, std::floor(std::log10(std::fabs(x))) - 15);
    EXPECT_LE(std::fabs(read - x), 0.5L * digit + 2 * Ulp(x)) << text << " for " << double(x);
    EXPECT_TRUE(text[0] == ' ' || text[0] == '-') << text;
  }
}

// Random sixteen-digit decimals read back. The digits are taken exactly; a
// power of ten beyond 10^24 is applied in two steps, each rounded, so the
// bound is one and a half units in the last place.
TEST(DoubleConversion, TextIsReadWithinOneAndAHalfUnitsInTheLastPlace) {
  constexpr int kCases = 400;
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  std::mt19937 rng(22);
  std::uniform_int_distribution<int> digit(0, 9), exponent(-30, 30);
  std::vector<std::string> texts;
  for (int i = 0; i < kCases; ++i) {
    std::string text = std::to_string(1 + digit(rng) % 9) + ".";
    for (int d = 0; d < 15; ++d) text += char('0' + digit(rng));
    text += "D" + std::to_string(exponent(rng));
    texts.push_back(text);
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    m.Store(kTable + 40 * i, bytes);
  }
  RunDriver(m, kFromTextDriver, kFromTextDriverEnd, kCases);
  double worst = 0;
  for (int i = 0; i < kCases; ++i) {
    std::string host = texts[i];
    host[host.find('D')] = 'E';
    const long double expected = std::strtold(host.c_str(), nullptr);
    EXPECT_EQ(m.Byte(kTable + 40 * i + 32), 8) << texts[i];
    const long double got = Value(ReadDouble(m, kTable + 40 * i + 24));
    const double error = double(std::fabs(got - expected) / Ulp(expected));
    worst = std::max(worst, error);
    EXPECT_LE(error, 1.5) << texts[i] << " read as " << double(got);
  }
  std::printf("worst error reading sixteen digits: %.3f units in the last place\n", worst);
}

}  // namespace
}  // namespace quillor::test
