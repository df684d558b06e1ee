// The ROM's single-precision add, subtract, multiply and divide against the
// host: random operands go through the routines by a small driver program,
// and every result must lie within one unit in the last place of the
// correctly rounded value.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "rom/rom12k_symbols.h"
#include "system/running_machine.h"

namespace quillor::test {
namespace {

constexpr uint16_t kDriver = 0x5000;
constexpr uint16_t kTable = 0x6000;  // per case: BCDE (E D C B), then the ACC
constexpr uint16_t kCount = 0x5FFE;
constexpr int kCases = 2000;

struct Single {
  uint8_t bytes[4];
};

double Value(const Single& s) {
  if (s.bytes[3] == 0) return 0.0;
  const uint32_t mantissa = s.bytes[0] | s.bytes[1] << 8 | (s.bytes[2] | 0x80) << 16;
  const double v = std::ldexp(static_cast<double>(mantissa), s.bytes[3] - 128 - 24);
  return (s.bytes[2] & 0x80) ? -v : v;
}

// Loops over the table: BCDE and the ACC from it, CALL routine, the ACC back.
std::vector<uint8_t> Driver(uint16_t routine) {
  // clang-format off
  return {
      0xDD, 0x21, 0x00, 0x60,                    // 5000 LD IX,6000h
      0xDD, 0x5E, 0x00, 0xDD, 0x56, 0x01,        // 5004 LD E,(IX+0) / LD D,(IX+1)
      0xDD, 0x4E, 0x02, 0xDD, 0x46, 0x03,        // 500A LD C,(IX+2) / LD B,(IX+3)
      0xDD, 0x6E, 0x04, 0xDD, 0x66, 0x05,        // 5010 LD L,(IX+4) / LD H,(IX+5)
      0x22, 0x21, 0x41,                          // 5016 LD (4121h),HL
      0xDD, 0x6E, 0x06, 0xDD, 0x66, 0x07,        // 5019 LD L,(IX+6) / LD H,(IX+7)
      0x22, 0x23, 0x41,                          // 501F LD (4123h),HL
      0x3E, 0x04, 0x32, 0xAF, 0x40,              // 5022 LD A,4 / LD (40AFh),A
      0xDD, 0xE5,                                // 5027 PUSH IX
      0xCD, uint8_t(routine), uint8_t(routine >> 8),  // 5029 CALL routine
      0xDD, 0xE1,                                // 502C POP IX
      0x2A, 0x21, 0x41,                          // 502E LD HL,(4121h)
      0xDD, 0x75, 0x04, 0xDD, 0x74, 0x05,        // 5031 LD (IX+4),L / LD (IX+5),H
      0x2A, 0x23, 0x41,                          // 5037 LD HL,(4123h)
      0xDD, 0x75, 0x06, 0xDD, 0x74, 0x07,        // 503A LD (IX+6),L / LD (IX+7),H
      0x11, 0x08, 0x00, 0xDD, 0x19,              // 5040 LD DE,8 / ADD IX,DE
      0x2A, 0xFE, 0x5F, 0x2B, 0x22, 0xFE, 0x5F,  // 5045 LD HL,(5FFEh) / DEC HL / LD (5FFEh),HL
      0x7C, 0xB5, 0x20, 0xB4,                    // 504C LD A,H / OR L / JR NZ,5004h
      0x18, 0xFE,                                // 5050 JR $
  };
  // clang-format on
}
constexpr uint16_t kDriverEnd = 0x5050;

Single RandomSingle(std::mt19937& rng) {
  std::uniform_int_distribution<int> byte(0, 255), exponent(128 - 40, 128 + 40);
  return Single{{uint8_t(byte(rng)), uint8_t(byte(rng)), uint8_t(byte(rng)), uint8_t(exponent(rng))}};
}

// Runs kCases random pairs through the routine; op gives the host result.
template <typename Op>
void CheckRoutine(uint16_t routine, Op op, uint32_t seed) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  std::mt19937 rng(seed);
  std::vector<Single> left, right;
  for (int i = 0; i < kCases; ++i) {
    left.push_back(RandomSingle(rng));
    right.push_back(RandomSingle(rng));
    m.Store(kTable + 8 * i, left.back().bytes);
    m.Store(kTable + 8 * i + 4, right.back().bytes);
  }
  // A few exact cases: equal magnitudes cancelling, and identities.
  const Single one{{0, 0, 0, 0x81}}, minusOne{{0, 0, 0x80, 0x81}};
  m.Store(kTable, one.bytes);
  m.Store(kTable + 4, minusOne.bytes);
  left[0] = one;
  right[0] = minusOne;
  m.Store(kCount, std::vector<uint8_t>{uint8_t(kCases), uint8_t(kCases >> 8)});
  const std::vector<uint8_t> driver = Driver(routine);
  m.Start(kDriver, driver);
  ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kDriverEnd; }, 20000));
  int failures = 0;
  for (int i = 0; i < kCases && failures < 10; ++i) {
    Single result;
    for (int b = 0; b < 4; ++b) result.bytes[b] = m.Byte(kTable + 8 * i + 4 + b);
    const double expected = op(Value(left[i]), Value(right[i]));
    const double got = Value(result);
    // One unit in the last place of the expected value (24-bit mantissa).
    int e;
    std::frexp(expected, &e);
    const double ulp = expected == 0 ? std::ldexp(1.0, -150) : std::ldexp(1.0, e - 24);
    if (std::fabs(got - expected) > ulp) {
      ++failures;
      ADD_FAILURE() << "case " << i << ": " << Value(left[i]) << " and " << Value(right[i]) << " gave " << got
                    << ", expected " << expected;
    }
  }
}

TEST(SingleArithmetic, AddIsWithinOneUnitInTheLastPlace) {
  CheckRoutine(
      rom12k::FAdd, [](double a, double b) { return a + b; }, 1);
}
TEST(SingleArithmetic, SubtractIsWithinOneUnitInTheLastPlace) {
  CheckRoutine(
      rom12k::FSub, [](double a, double b) { return a - b; }, 2);
}
TEST(SingleArithmetic, MultiplyIsWithinOneUnitInTheLastPlace) {
  CheckRoutine(
      rom12k::FMul, [](double a, double b) { return a * b; }, 3);
}
TEST(SingleArithmetic, DivideIsWithinOneUnitInTheLastPlace) {
  CheckRoutine(
      rom12k::FDiv, [](double a, double b) { return a / b; }, 4);
}
// The documented entries reach the same routines.
TEST(SingleArithmetic, DocumentedEntriesJumpToTheRoutines) {
  RunningMachine m;
  const struct {
    uint16_t entry, routine;
  } entries[] = {{0x0713, rom12k::FSub},   {0x0716, rom12k::FAdd},      {0x0847, rom12k::FMul},
                 {0x08A2, rom12k::FDiv},   {0x0A7F, rom12k::AccToInt},  {0x0A9A, rom12k::StoreInt},
                 {0x0BC7, rom12k::IntSub}, {0x0BD2, rom12k::IntAdd},    {0x0BF2, rom12k::IntMul},
                 {0x2490, rom12k::IntDiv}, {0x0E6C, rom12k::ReadNumber}};
  for (const auto& e : entries) {
    EXPECT_EQ(m.Byte(e.entry), 0xC3) << std::hex << e.entry;
    EXPECT_EQ(m.Word(e.entry + 1), e.routine) << std::hex << e.entry;
  }
}

}  // namespace
}  // namespace quillor::test
