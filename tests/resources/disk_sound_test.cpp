#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "resources/embedded_resources.h"

namespace quillor {
namespace {

constexpr size_t kMotor = 16128, kStep = 1066;

TEST(DiskSounds, MotorLoopJoinsAsSmoothlyAsItRuns) {
  const auto sound = FindEmbeddedResource("DSKSND");
  ASSERT_EQ(sound.size(), kMotor + kStep);
  const auto motor = sound.first(kMotor);
  int largestStep = 0;
  long sum = 0;
  for (size_t i = 0; i < kMotor; ++i) {
    sum += motor[i];
    if (i) largestStep = std::max(largestStep, std::abs(motor[i] - motor[i - 1]));
  }
  EXPECT_LE(std::abs(motor[0] - motor[kMotor - 1]), largestStep);
  EXPECT_NEAR(static_cast<double>(sum) / kMotor, 128.0, 2.0);
  // Audible, but well inside the range so it never saturates the mix alone.
  const auto [low, high] = std::ranges::minmax(motor);
  EXPECT_GT(high - low, 10);
  EXPECT_GT(low, 64);
  EXPECT_LT(high, 192);
}

TEST(DiskSounds, StepClickStartsAndEndsAtSilence) {
  const auto step = FindEmbeddedResource("DSKSND").subspan(kMotor);
  ASSERT_EQ(step.size(), kStep);
  EXPECT_NEAR(step.front(), 128, 2);
  EXPECT_EQ(step.back(), 128);
  const auto [low, high] = std::ranges::minmax(step);
  EXPECT_GT(high - low, 60);
}

}  // namespace
}  // namespace quillor
