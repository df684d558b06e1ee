// The ROM's SQR, LOG, EXP, SIN, COS, TAN, ATN and power operator against
// the host: arguments swept over each function's domain, with its awkward
// places (near 1 for LOG, multiples of pi/2, large angles, whole powers),
// go through the routines the functions use by a driver program; every
// result must lie within two units in the last place of the correctly
// rounded single, and the worst error is reported.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "rom/rom12k_symbols.h"
#include "system/running_machine.h"
#include "system/single_driver.h"

namespace quillor::test {
namespace {

constexpr uint16_t kStub = 0x5100;
constexpr long double kPi = 3.141592653589793238462643383279502884L;

struct Case {
  Single x, y;  // y: the ACC (the argument of a function, the power of x)
};

// One unit in the last place of a single at the size of s.
double Ulp(const Single& s) { return std::ldexp(1.0, s.bytes[3] - 128 - 24); }

// Runs the cases through routine (a routine for BCDE and the ACC, such as
// the power operator) and returns the worst error in units in the last place
// against the exact value.
double Check(const char* name, uint16_t routine, const std::vector<Case>& cases,
             const std::function<long double(long double, long double)>& exact,
             const std::vector<uint8_t>& stub = {}) {
  RunningMachine m;
  EXPECT_TRUE(m.Boot());
  m.Store(kStub, stub);
  for (size_t i = 0; i < cases.size(); ++i) {
    m.Store(kTable + 8 * i, cases[i].x.bytes);
    m.Store(kTable + 8 * i + 4, cases[i].y.bytes);
  }
  m.Store(kCount, std::vector<uint8_t>{uint8_t(cases.size()), uint8_t(cases.size() >> 8)});
  m.Start(kDriver, Driver(routine));
  EXPECT_TRUE(m.RunUntil([&] { return m.emu.cpu.PC == kDriverEnd; }, 200000)) << name;
  double worst = 0;
  int failures = 0;
  for (size_t i = 0; i < cases.size() && failures < 10; ++i) {
    Single got;
    for (int b = 0; b < 4; ++b) got.bytes[b] = m.Byte(kTable + 8 * i + 4 + b);
    const long double want = exact(Value(cases[i].x), Value(cases[i].y));
    const Single rounded = NearestSingle(want);
    const double error =
        want == 0 ? (Value(got) == 0 ? 0 : 99) : double(std::fabs(Value(got) - want) / Ulp(rounded));
    const double fromRounded = want == 0 ? error : std::fabs(Value(got) - Value(rounded)) / Ulp(rounded);
    worst = std::max(worst, error);
    if (fromRounded > 2) {
      ++failures;
      ADD_FAILURE() << name << "(" << Value(cases[i].x) << ", " << Value(cases[i].y) << ") gave "
                    << Value(got) << ", expected " << double(want) << " (" << error << " ulp)";
    }
  }
  std::printf("%s: %zu arguments, worst error %.3f units in the last place\n", name, cases.size(), worst);
  return worst;
}

// A one-argument function: the driver calls a stub that hands the ACC to
// the routine as the BASIC function does (single to double, the routine,
// rounded back).
double CheckFunction(const char* name, uint16_t routine, const std::vector<long double>& arguments,
                     long double (*exact)(long double)) {
  std::vector<Case> cases;
  for (const long double a : arguments) cases.push_back({Single{}, NearestSingle(a)});
  const std::vector<uint8_t> stub = {
      0x11, uint8_t(routine),           uint8_t(routine >> 8),             // LD DE,routine
      0xC3, uint8_t(rom12k::FByDouble), uint8_t(rom12k::FByDouble >> 8)};  // JP FByDouble
  return Check(
      name, kStub, cases, [&](long double, long double y) { return exact(y); }, stub);
}

// Arguments spread evenly over the logarithms of [2^lo, 2^hi], both signs
// when negative is set.
void AddLogUniform(std::vector<long double>& out, std::mt19937& rng, int n, double lo, double hi,
                   bool negative) {
  std::uniform_real_distribution<double> e(lo, hi);
  for (int i = 0; i < n; ++i) out.push_back((negative && i % 2 ? -1 : 1) * std::exp2l(e(rng)));
}
void AddUniform(std::vector<long double>& out, std::mt19937& rng, int n, double lo, double hi) {
  std::uniform_real_distribution<double> u(lo, hi);
  for (int i = 0; i < n; ++i) out.push_back(u(rng));
}
// The singles next to multiples of pi/2, where sine or cosine is near 0.
void AddNearHalfPi(std::vector<long double>& out, int from, int to) {
  for (int k = from; k <= to; ++k) {
    if (k == 0) continue;
    const Single s = NearestSingle(k * kPi / 2);
    for (int step = -1; step <= 1; ++step) out.push_back(Value(s) + step * Ulp(s));
  }
}

long double Sqrt(long double x) { return std::sqrt(x); }
long double Log(long double x) { return std::log(x); }
long double Exp(long double x) { return std::exp(x); }
long double Sin(long double x) { return std::sin(x); }
long double Cos(long double x) { return std::cos(x); }
long double Tan(long double x) { return std::tan(x); }
long double Atan(long double x) { return std::atan(x); }

TEST(MathFunctions, SqrAndLogAreWithinTwoUnitsInTheLastPlace) {
  std::mt19937 rng(31);
  std::vector<long double> sqr, log;
  AddLogUniform(sqr, rng, 500, -120, 120, false);
  for (int k = 1; k <= 100; ++k) sqr.push_back(k * k);  // exact roots
  AddLogUniform(log, rng, 500, -120, 120, false);
  for (int k = -150; k <= 150; ++k) log.push_back(1 + std::ldexp(k, -23));  // near 1
  AddUniform(log, rng, 100, 0.99, 1.01);
  EXPECT_LE(CheckFunction("SQR", rom12k::DSqr, sqr, Sqrt), 2);
  EXPECT_LE(CheckFunction("LOG", rom12k::DLogChecked, log, Log), 2);
}

TEST(MathFunctions, ExpIsWithinTwoUnitsInTheLastPlace) {
  std::mt19937 rng(32);
  std::vector<long double> exp;
  AddUniform(exp, rng, 500, -88, 88);
  AddLogUniform(exp, rng, 200, -30, -1, true);                             // near 0
  for (int k = -10; k <= 10; ++k) exp.push_back(k * 0.6931471805599453L);  // powers of 2
  EXPECT_LE(CheckFunction("EXP", rom12k::DExp, exp, Exp), 2);
}

TEST(MathFunctions, SinCosAndTanAreWithinTwoUnitsInTheLastPlace) {
  std::mt19937 rng(33);
  std::vector<long double> angles;
  AddUniform(angles, rng, 300, -10, 10);
  AddNearHalfPi(angles, -40, 40);
  AddLogUniform(angles, rng, 100, 4, 17, true);   // large angles, to 131072
  AddLogUniform(angles, rng, 60, -30, -4, true);  // near 0
  EXPECT_LE(CheckFunction("SIN", rom12k::DSin, angles, Sin), 2);
  EXPECT_LE(CheckFunction("COS", rom12k::DCos, angles, Cos), 2);
  EXPECT_LE(CheckFunction("TAN", rom12k::DTan, angles, Tan), 2);
}

TEST(MathFunctions, AtnIsWithinTwoUnitsInTheLastPlace) {
  std::mt19937 rng(34);
  std::vector<long double> atn;
  AddLogUniform(atn, rng, 500, -60, 60, true);
  for (const long double edge : {1.0L, 0.41421356L, 2.41421356L})  // where the folds begin
    for (int k = -3; k <= 3; ++k) atn.push_back(edge + std::ldexp(k, -23));
  EXPECT_LE(CheckFunction("ATN", rom12k::DAtn, atn, Atan), 2);
}

TEST(MathFunctions, PowerIsWithinTwoUnitsInTheLastPlace) {
  std::mt19937 rng(35);
  std::uniform_real_distribution<double> power(-10, 10);
  std::vector<Case> cases;
  std::vector<long double> bases;
  AddLogUniform(bases, rng, 500, -10, 10, false);
  for (const long double x : bases) {
    const long double y = power(rng);
    if (std::fabs(y * std::log(x)) < 85) cases.push_back({NearestSingle(x), NearestSingle(y)});
  }
  for (int k = -100; k <= 100; k += 7) cases.push_back({NearestSingle(2), NearestSingle(k)});
  for (int k = -10; k <= 10; ++k) cases.push_back({NearestSingle(10), NearestSingle(k)});
  for (int k = 0; k <= 15; ++k) cases.push_back({NearestSingle(-3), NearestSingle(k)});  // odd and even
  cases.push_back({NearestSingle(-1), NearestSingle(40001)});
  cases.push_back({NearestSingle(-1.0001L), NearestSingle(40000)});
  EXPECT_LE(Check("power", rom12k::PowerOperator, cases,
                  [](long double x, long double y) { return std::pow(x, y); }),
            2);
}

// Whole powers from 1 to 255 take products instead of LOG and EXP: exact
// wherever a single holds the result, near half a unit elsewhere, and the
// sign of a negative base kept for odd powers.
TEST(MathFunctions, WholePowersAreExactWhereASingleHoldsThem) {
  std::vector<Case> exact;
  for (int x = -40; x <= 40; ++x)
    for (int y = 1; y <= 24 && std::fabs(std::pow(double(x), y)) < 16777216.0; ++y)
      exact.push_back({NearestSingle(x), NearestSingle(y)});
  for (int y = 1; y <= 127; y += 7) exact.push_back({NearestSingle(0.5L), NearestSingle(y)});
  // A negative base takes its sign from y's unit bit, wherever that lies
  // in y's mantissa, or below it (from 2^24 up every whole y is even).
  for (const long double y : {0.0L, 256.0L, 257.0L, 1001.0L, 16777214.0L, 16777215.0L, 16777216.0L,
                              33554432.0L, std::exp2l(100), -1.0L, -2.0L, -3.0L, -16777215.0L})
    exact.push_back({NearestSingle(-1.0L), NearestSingle(y)});
  for (const int y : {-3, -2, 0, 5}) exact.push_back({NearestSingle(-0.5L), NearestSingle(y)});
  const auto pow = [](long double x, long double y) { return std::pow(x, y); };
  EXPECT_EQ(Check("whole powers, exact", rom12k::PowerOperator, exact, pow), 0);

  std::mt19937 rng(36);
  std::uniform_real_distribution<double> unit(-1, 1);
  std::vector<Case> rounded;
  for (int i = 0; i < 400; ++i) {  // bases whose power stays within a single's range
    const int y = 1 + int(rng() % 255);
    const long double x = (i % 2 ? -1 : 1) * std::exp2l(unit(rng) * 120.0 / y);
    rounded.push_back({NearestSingle(x), NearestSingle(y)});
  }
  EXPECT_LE(Check("whole powers", rom12k::PowerOperator, rounded, pow), 1);
}

}  // namespace
}  // namespace quillor::test
