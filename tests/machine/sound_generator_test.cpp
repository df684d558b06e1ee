#include "machine/sound_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <utility>

namespace quillor {
namespace {

void Write(SoundGenerator& g, uint8_t reg, uint8_t value) {
  g.SelectRegister(reg);
  g.WriteRegister(value);
}

TEST(SoundGenerator, WritesAreMaskedAndPeriodRegistersReadTheirCounters) {
  SoundGenerator g;
  Write(g, 8, 0xFF);
  EXPECT_EQ(g.ReadRegister(), 0x1F);
  Write(g, 13, 0xFF);
  EXPECT_EQ(g.ReadRegister(), 0x0F);
  Write(g, 1, 0xFF);
  EXPECT_EQ(g.ReadRegister(), 0x0F);  // counter A just reloaded with 0xFFF
  g.SoundGeneratorStep();
  g.SelectRegister(0);
  EXPECT_EQ(g.ReadRegister(), 0xF5);  // counting down by 10
  g.SelectRegister(0x35);
  EXPECT_EQ(g.SelectedRegister(), 5);
}

TEST(SoundGenerator, ToneAlternatesEveryPeriodOverTenSteps) {
  SoundGenerator g;
  Write(g, 7, 0x3E);
  Write(g, 8, 15);
  Write(g, 0, 100);
  Write(g, 1, 0);
  std::vector<int> levels;
  for (int i = 0; i < 40; ++i) {
    g.SoundGeneratorStep();
    levels.push_back(g.OutputLevel());
  }
  // Counter 100 goes negative at the 11th step, then every 10 steps.
  for (int i = 0; i < 40; ++i) {
    const bool on = i >= 10 && ((i - 10) / 10) % 2 == 0;
    EXPECT_EQ(levels[i], on ? 0x80 + 53 : 0x80) << i;
  }
}

TEST(SoundGenerator, ShortPeriodsAreSilentAndMuteSilencesEverything) {
  SoundGenerator g;
  Write(g, 7, 0x3E);
  Write(g, 8, 15);
  Write(g, 0, 9);
  Write(g, 1, 0);
  for (int i = 0; i < 50; ++i) {
    g.SoundGeneratorStep();
    ASSERT_EQ(g.OutputLevel(), 0x80);
  }
  Write(g, 0, 20);
  Write(g, 7, 0x00);
  g.Mute();
  EXPECT_EQ(g.Register(7), 0x3F);
  g.SoundGeneratorStep();
  EXPECT_EQ(g.OutputLevel(), 0x80);
}

TEST(SoundGenerator, OneShotEnvelopeRisesAndHolds) {
  SoundGenerator g;
  Write(g, 7, 0x3E);
  Write(g, 8, 0x10);
  Write(g, 0, 10);  // flips every step: sample the "on" half
  Write(g, 1, 0);
  Write(g, 13, 13);
  Write(g, 11, 0);
  Write(g, 12, 0);
  int maximum = 0;
  for (int i = 0; i < 200; ++i) {
    g.SoundGeneratorStep();
    maximum = std::max(maximum, g.OutputLevel());
  }
  EXPECT_EQ(maximum, 0x80 + 63);
  // Holding at step 32: the counter no longer runs.
  g.SelectRegister(11);
  const uint8_t held = g.ReadRegister();
  g.SoundGeneratorStep();
  EXPECT_EQ(g.ReadRegister(), held);
}

TEST(SoundGenerator, NoiseOnChannelCAlonePlays) {
  SoundGenerator g;
  Write(g, 7, 0x1F);
  Write(g, 10, 15);
  Write(g, 6, 0);
  int high = 0;
  for (int i = 0; i < 100; ++i) {
    g.SoundGeneratorStep();
    if (g.OutputLevel() == 0x80 + 53) ++high;
    else ASSERT_EQ(g.OutputLevel(), 0x80);
  }
  EXPECT_GT(high, 10);
  EXPECT_LT(high, 90);
}

}  // namespace
}  // namespace quillor

namespace quillor {
namespace {

// Channel A with its tone held in the "on" half: period 4095 flips after 410
// steps and stays on for 409 more, long enough to watch several envelope
// cycles at envelope period 0 (one envelope step per generator step).
class EnvelopeWatch : public ::testing::Test {
 public:
  void TestBody() override {}
  SoundGenerator& Generator() { return g; }
  EnvelopeWatch() {
    Write(g, 7, 0x3E);
    Write(g, 8, 0x10);
    Write(g, 0, 0xFF);
    Write(g, 1, 0x0F);
    for (int i = 0; i < 410; ++i) g.SoundGeneratorStep();
  }
  static void Write(SoundGenerator& g, uint8_t reg, uint8_t value) {
    g.SelectRegister(reg);
    g.WriteRegister(value);
  }
  SoundGenerator g;
};

constexpr std::array<int, 32> kV{0, 0, 0, 0, 1, 1,  1,  1,  1,  1,  2,  2,  2,  3,  3,  4,
                                 5, 6, 7, 8, 9, 11, 13, 16, 19, 22, 27, 32, 37, 45, 53, 63};

// The envelope level after j steps from a restart, for each shape: r is the
// place in the 32-step ramp, cycle how many ramps have passed.
int ExpectedEnvelope(int shape, int j) {
  const int r = j % 32, cycle = j / 32;
  const int down = 31 - r, up = r;
  switch (shape) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 9: return cycle == 0 ? down : 0;
    case 4:
    case 5:
    case 6:
    case 7:
    case 13: return cycle == 0 ? up : 31;
    case 8: return down;
    case 10: return cycle % 2 == 0 ? down : up;
    case 11: return cycle == 0 ? down : 31;
    case 12: return up;
    case 14: return cycle % 2 == 0 ? up : down;
    default: return cycle == 0 ? up : 0;  // 15
  }
}

TEST(EnvelopeShapes, EveryShapeOverThreeCycles) {
  for (int shape = 0; shape < 16; ++shape) {
    EnvelopeWatch watch;
    SoundGenerator& g = watch.Generator();
    EnvelopeWatch::Write(g, 11, 0);  // restarts the ramp and the counter
    EnvelopeWatch::Write(g, 12, 0);
    EnvelopeWatch::Write(g, 13, static_cast<uint8_t>(shape));
    for (int j = 1; j <= 100; ++j) {
      g.SoundGeneratorStep();
      ASSERT_EQ(g.OutputLevel() - 0x80, kV[ExpectedEnvelope(shape, j)]) << "shape " << shape << " step " << j;
    }
  }
}

TEST_F(EnvelopeWatch, R13RestartsTheRampButNotTheCounterWhileR11AndR12RestartBoth) {
  Write(g, 11, 100);
  Write(g, 12, 0);
  Write(g, 13, 13);  // rising
  for (int i = 0; i < 5; ++i) g.SoundGeneratorStep();
  g.SelectRegister(11);
  EXPECT_EQ(g.ReadRegister(), 50);
  Write(g, 13, 13);
  g.SelectRegister(11);
  EXPECT_EQ(g.ReadRegister(), 50);  // kept
  // The counter goes below zero after 6 more steps: the first rise.
  for (int i = 0; i < 5; ++i) g.SoundGeneratorStep();
  EXPECT_EQ(g.OutputLevel() - 0x80, kV[0]);
  g.SoundGeneratorStep();
  g.SoundGeneratorStep();
  EXPECT_EQ(g.OutputLevel() - 0x80, kV[1]);
  Write(g, 12, 0);  // reload: 100 again, ramp back to its start
  g.SelectRegister(11);
  EXPECT_EQ(g.ReadRegister(), 100);
  Write(g, 13, 13);
  for (int i = 0; i < 10; ++i) g.SoundGeneratorStep();
  g.SelectRegister(11);
  EXPECT_EQ(g.ReadRegister(), 0);
}

TEST(SoundGeneratorNoise, FollowsTheSeedRuleDrawForDraw) {
  SoundGenerator g;
  auto write = [&](uint8_t r, uint8_t v) {
    g.SelectRegister(r);
    g.WriteRegister(v);
  };
  write(7, 0x37);  // noise on A only
  write(8, 15);
  write(6, 0);  // a new bit every step
  uint32_t seed = 0;
  for (int i = 0; i < 2000; ++i) {
    g.SoundGeneratorStep();
    seed = seed * 134775813u + 1u;
    const bool bit = (seed >> 31) == 0;
    ASSERT_EQ(g.OutputLevel(), bit ? 0x80 + 53 : 0x80) << i;
  }
  // Period 3: a draw every fourth step, the bit held between draws.
  write(6, 3);
  int changes = 0, last = g.OutputLevel();
  for (int i = 0; i < 400; ++i) {
    g.SoundGeneratorStep();
    if (i % 4 != 3) ASSERT_EQ(g.OutputLevel(), last) << i;
    changes += g.OutputLevel() != last;
    last = g.OutputLevel();
  }
  EXPECT_GT(changes, 20);
}

TEST(SoundGeneratorLevels, FixedLevelsFollowTheVolumeFormula) {
  for (int n = 0; n < 16; ++n) {
    SoundGenerator g;
    g.SelectRegister(7);
    g.WriteRegister(0x3E);
    g.SelectRegister(8);
    g.WriteRegister(static_cast<uint8_t>(n));
    g.SelectRegister(0);
    g.WriteRegister(10);  // flips every step
    g.SelectRegister(1);
    g.WriteRegister(0);
    g.SoundGeneratorStep();
    g.SoundGeneratorStep();
    const int first = g.OutputLevel();
    g.SoundGeneratorStep();
    const int high = std::max(first, g.OutputLevel());
    EXPECT_EQ(high - 0x80, static_cast<int>(std::lround(63 * std::pow(0.841, 31 - 2 * n)))) << n;
  }
}

TEST(SoundGeneratorLevels, AllChannelsAtFullSaturateAt255) {
  SoundGenerator g;
  for (auto [r, v] : {std::pair{7, 0x00},
                      {8, 15},
                      {9, 15},
                      {10, 15},
                      {6, 0},
                      {0, 10},
                      {1, 0},
                      {2, 10},
                      {3, 0},
                      {4, 10},
                      {5, 0}}) {
    g.SelectRegister(static_cast<uint8_t>(r));
    g.WriteRegister(static_cast<uint8_t>(v));
  }
  int top = 0;
  for (int i = 0; i < 200; ++i) {
    g.SoundGeneratorStep();
    ASSERT_GE(g.OutputLevel(), 0x80);
    ASSERT_LE(g.OutputLevel(), 255);
    top = std::max(top, g.OutputLevel());
  }
  EXPECT_EQ(top, 255);  // 0x80 + 3 x (53 + 53) would be far above
}

TEST(SoundGeneratorPeriods, BelowTenIsSilentAtEveryPeriodAndTenPlays) {
  for (int p = 0; p <= 10; ++p) {
    SoundGenerator g;
    g.SelectRegister(7);
    g.WriteRegister(0x3E);
    g.SelectRegister(8);
    g.WriteRegister(15);
    g.SelectRegister(0);
    g.WriteRegister(static_cast<uint8_t>(p));
    g.SelectRegister(1);
    g.WriteRegister(0);
    int top = 0;
    for (int i = 0; i < 100; ++i) {
      g.SoundGeneratorStep();
      top = std::max(top, g.OutputLevel());
    }
    EXPECT_EQ(top, p < 10 ? 0x80 : 0x80 + 53) << p;
  }
}

}  // namespace
}  // namespace quillor

namespace quillor {
namespace {

// Advance(n) must leave exactly the generator that n single steps leave:
// random register settings (short and long periods, every envelope shape,
// envelope periods down to 0, noise periods down to 1), each followed by
// stretches of every size, read back through the counters and compared whole.
TEST(SoundGeneratorAdvance, EqualsThatManySingleSteps) {
  std::mt19937 random(1080);
  constexpr int kStretches[] = {0, 1, 2, 3, 4, 5, 7, 31, 32, 33, 64, 100, 887, 1000, 5000, 70960};
  for (int round = 0; round < 400; ++round) {
    SoundGenerator batched, single;
    for (int change = 0; change < 6; ++change) {
      const auto reg = static_cast<uint8_t>(random() % 16);
      // Small values often, so that short periods and fast envelopes come up.
      const auto value = static_cast<uint8_t>(random() % 3 == 0 ? random() % 12 : random() % 256);
      for (SoundGenerator* g : {&batched, &single}) {
        g->SelectRegister(reg);
        g->WriteRegister(value);
      }
      const int steps = kStretches[random() % std::size(kStretches)];
      batched.Advance(steps);
      for (int i = 0; i < steps; ++i) single.SoundGeneratorStep();
      ASSERT_TRUE(batched == single) << "round " << round << " register " << int(reg) << " value "
                                     << int(value) << " steps " << steps;
    }
  }
}

TEST(SoundGeneratorAdvance, OneShotEnvelopeEndsAndHoldsItsCounterMidStretch) {
  for (int shape : {0, 4, 9, 11, 13, 15}) {
    for (int period : {0, 1, 3, 250}) {
      SoundGenerator batched, single;
      for (SoundGenerator* g : {&batched, &single}) {
        g->SelectRegister(11);
        g->WriteRegister(static_cast<uint8_t>(period));
        g->SelectRegister(13);
        g->WriteRegister(static_cast<uint8_t>(shape));
      }
      // Far past the 32 envelope steps: the shape ends inside the stretch.
      const int steps = 32 * (period + 10) / 10 + 7;
      batched.Advance(steps);
      for (int i = 0; i < steps; ++i) single.SoundGeneratorStep();
      ASSERT_TRUE(batched == single) << "shape " << shape << " period " << period;
      batched.SelectRegister(11);
      single.SelectRegister(11);
      EXPECT_EQ(batched.ReadRegister(), single.ReadRegister());
    }
  }
}

}  // namespace
}  // namespace quillor
