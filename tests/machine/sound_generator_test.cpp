#include "machine/sound_generator.h"

#include <gtest/gtest.h>

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
