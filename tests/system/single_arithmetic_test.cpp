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
#include "system/single_driver.h"

namespace quillor::test {
namespace {

constexpr int kCases = 2000;

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
// FCompare orders BCDE against the ACC as the host does: operands of a few
// exponents only, so that most pairs need the signs and the mantissas, and
// zeros (whatever their mantissa bytes), equal values and negated ones.
TEST(SingleArithmetic, CompareOrdersLikeTheHost) {
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> byte(0, 255), exponent(0, 3);
  const uint8_t exponents[] = {0, 0x81, 0x82, 0x8A};
  std::vector<Single> left, right;
  for (int i = 0; i < kCases; ++i) {
    Single l{{uint8_t(byte(rng)), uint8_t(byte(rng)), uint8_t(byte(rng)), exponents[exponent(rng)]}};
    Single r{{uint8_t(byte(rng)), uint8_t(byte(rng)), uint8_t(byte(rng)), exponents[exponent(rng)]}};
    switch (i % 4) {
      case 1:  // equal, or negated
        r = l;
        if (i % 8 == 1) r.bytes[2] ^= 0x80;
        break;
      case 2:  // the same but for the lowest byte or the top one
        r = l;
        r.bytes[i % 16 < 8 ? 0 : 2] += uint8_t(i % 3 ? 1 : -1);
        break;
    }
    left.push_back(l);
    right.push_back(r);
    m.Store(kTable + 8 * i, l.bytes);
    m.Store(kTable + 8 * i + 4, r.bytes);
  }
  m.Store(kCount, std::vector<uint8_t>{uint8_t(kCases), uint8_t(kCases >> 8)});
  constexpr uint16_t kStub = 0x5100;  // CALL FCompare / LD (4121h),A / RET
  m.Store(kStub, std::vector<uint8_t>{0xCD, uint8_t(rom12k::FCompare), uint8_t(rom12k::FCompare >> 8), 0x32,
                                      0x21, 0x41, 0xC9});
  m.Start(kDriver, Driver(kStub));
  ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kDriverEnd; }, 20000));
  int failures = 0;
  for (int i = 0; i < kCases && failures < 10; ++i) {
    const double l = Value(left[i]), r = Value(right[i]);
    const uint8_t expected = l > r ? 1 : l < r ? 0xFF : 0;
    const uint8_t got = m.Byte(kTable + 8 * i + 4);
    if (got != expected) {
      ++failures;
      ADD_FAILURE() << "case " << i << ": " << l << " against " << r << " gave " << int(got);
    }
  }
}

// IntToSingle and UIntToSingle take HL (here from the ACC's low bytes) to
// the exact single: small values, each place of the leading 1, the ends
// of both ranges; IntToSingle keeps BC DE, which come back in the ACC's
// place of a second stub.
TEST(SingleArithmetic, WholeNumbersBecomeExactSingles) {
  std::vector<int> values;
  for (int v = -300; v <= 300; ++v) values.push_back(v);
  for (int bit = 8; bit < 16; ++bit)
    for (const int d : {-1, 0, 1, 1000}) values.push_back(((1 << bit) + d) & 0xFFFF);
  std::mt19937 rng(9);
  while (values.size() < size_t(kCases)) values.push_back(int(rng() & 0xFFFF));
  values.push_back(0x8000);
  values.push_back(0xFFFF);
  for (const bool isSigned : {true, false}) {
    const uint16_t routine = isSigned ? rom12k::IntToSingle : rom12k::UIntToSingle;
    RunningMachine m;
    ASSERT_TRUE(m.Boot());
    for (size_t i = 0; i < values.size(); ++i)
      m.Store(kTable + 8 * i + 4, std::vector<uint8_t>{uint8_t(values[i]), uint8_t(values[i] >> 8), 0, 0});
    m.Store(kCount, std::vector<uint8_t>{uint8_t(values.size()), uint8_t(values.size() >> 8)});
    constexpr uint16_t kStub = 0x5100;  // LD HL,(4121h) / JP routine
    m.Store(kStub, std::vector<uint8_t>{0x2A, 0x21, 0x41, 0xC3, uint8_t(routine), uint8_t(routine >> 8)});
    m.Start(kDriver, Driver(kStub));
    ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kDriverEnd; }, 20000));
    int failures = 0;
    for (size_t i = 0; i < values.size() && failures < 10; ++i) {
      const int v = isSigned ? int16_t(values[i]) : values[i] & 0xFFFF;
      Single got;
      for (int b = 0; b < 4; ++b) got.bytes[b] = m.Byte(kTable + 8 * i + 4 + b);
      const Single want = NearestSingle(v);
      if (std::vector<uint8_t>(got.bytes, got.bytes + 4) !=
          std::vector<uint8_t>(want.bytes, want.bytes + 4)) {
        ++failures;
        ADD_FAILURE() << (isSigned ? "IntToSingle " : "UIntToSingle ") << v << " gave " << Value(got);
      }
    }
  }
  // BC DE kept: a stub sets them, converts, and stores them as the ACC.
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  for (size_t i = 0; i < values.size(); ++i)
    m.Store(kTable + 8 * i + 4, std::vector<uint8_t>{uint8_t(values[i]), uint8_t(values[i] >> 8), 0, 0});
  m.Store(kCount, std::vector<uint8_t>{uint8_t(values.size()), uint8_t(values.size() >> 8)});
  constexpr uint16_t kStub = 0x5100;
  m.Store(kStub, std::vector<uint8_t>{0x2A,
                                      0x21,
                                      0x41,  // LD HL,(4121h)
                                      0x01,
                                      0x34,
                                      0x12,  // LD BC,1234h
                                      0x11,
                                      0x78,
                                      0x56,  // LD DE,5678h
                                      0xCD,
                                      uint8_t(rom12k::IntToSingle),
                                      uint8_t(rom12k::IntToSingle >> 8),
                                      0xED,
                                      0x53,
                                      0x21,
                                      0x41,  // LD (4121h),DE
                                      0xED,
                                      0x43,
                                      0x23,
                                      0x41,  // LD (4123h),BC
                                      0xC9});
  m.Start(kDriver, Driver(kStub));
  ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kDriverEnd; }, 20000));
  for (size_t i = 0; i < values.size(); ++i)
    ASSERT_EQ(m.Word(kTable + 8 * i + 4) | uint32_t(m.Word(kTable + 8 * i + 6)) << 16, 0x12345678u)
        << "BC DE after " << values[i];
}

// IntMul: a product that fits is an integer with the right sign, one that
// does not (by magnitude, or only by sign, as -256 * 128 against 256 * 128)
// the correctly rounded single.
TEST(SingleArithmetic, IntegerProductsFitOrBecomeSingles) {
  std::vector<std::pair<int, int>> pairs;
  for (const int a : {0, 1, -1, 2, -2, 127, 128, -128, 181, 182, 255, 256, -256, 32767, -32768})
    for (const int b : {0, 1, -1, 128, -128, 181, 256, -256, 32767, -32768}) pairs.push_back({a, b});
  std::mt19937 rng(12);
  while (pairs.size() < size_t(kCases)) {
    const int shift = int(rng() % 16);
    pairs.push_back({int16_t(rng()) >> shift, int16_t(rng()) >> (15 - shift)});
  }
  RunningMachine m;
  ASSERT_TRUE(m.Boot());
  for (size_t i = 0; i < pairs.size(); ++i) {
    const int a = pairs[i].first, b = pairs[i].second;
    m.Store(kTable + 8 * i,
            std::vector<uint8_t>{uint8_t(a), uint8_t(a >> 8), 0, 0, uint8_t(b), uint8_t(b >> 8), 0, 0});
  }
  m.Store(kCount, std::vector<uint8_t>{uint8_t(pairs.size()), uint8_t(pairs.size() >> 8)});
  constexpr uint16_t kStub = 0x5100;  // LD HL,(4121h) / JP IntMul
  m.Store(kStub, std::vector<uint8_t>{0x2A, 0x21, 0x41, 0xC3, uint8_t(rom12k::IntMul),
                                      uint8_t(rom12k::IntMul >> 8)});
  m.Start(kDriver, Driver(kStub));
  ASSERT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kDriverEnd; }, 20000));
  int failures = 0;
  for (size_t i = 0; i < pairs.size() && failures < 10; ++i) {
    const long product = long(pairs[i].first) * pairs[i].second;
    std::vector<uint8_t> got(4), want(4);
    for (int b = 0; b < 4; ++b) got[b] = m.Byte(kTable + 8 * i + 4 + b);
    if (product >= -32768 && product <= 32767) {
      got.resize(2);
      want = {uint8_t(product), uint8_t(product >> 8)};
    } else {
      const Single s = NearestSingle(product);
      want.assign(s.bytes, s.bytes + 4);
    }
    if (got != want) {
      ++failures;
      ADD_FAILURE() << pairs[i].first << " * " << pairs[i].second << " gave bytes " << int(got[0]) << " "
                    << int(got[1]);
    }
  }
}

// Each entry jumps to its routine, or the routine begins there.
TEST(SingleArithmetic, DocumentedEntriesLeadToTheRoutines) {
  RunningMachine m;
  const struct {
    uint16_t entry, routine;
  } entries[] = {{0x0713, rom12k::FSub},   {0x0716, rom12k::FAdd},      {0x0847, rom12k::FMul},
                 {0x08A2, rom12k::FDiv},   {0x0A7F, rom12k::AccToInt},  {0x0A9A, rom12k::StoreInt},
                 {0x0BC7, rom12k::IntSub}, {0x0BD2, rom12k::IntAdd},    {0x0BF2, rom12k::IntMul},
                 {0x2490, rom12k::IntDiv}, {0x0E6C, rom12k::ReadNumber}};
  for (const auto& e : entries) {
    if (e.entry == e.routine) continue;
    EXPECT_EQ(m.Byte(e.entry), 0xC3) << std::hex << e.entry;
    EXPECT_EQ(m.Word(e.entry + 1), e.routine) << std::hex << e.entry;
  }
}

}  // namespace
}  // namespace quillor::test
