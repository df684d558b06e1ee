#include "machine/sound_generator.h"

#include <algorithm>

namespace quillor {
namespace {

// Logarithmic volume steps, V[i] = round(63 * 0.841^(31 - i)).
constexpr std::array<int, 32> kVolume{0, 0, 0, 0, 1, 1,  1,  1,  1,  1,  2,  2,  2,  3,  3,  4,
                                      5, 6, 7, 8, 9, 11, 13, 16, 19, 22, 27, 32, 37, 45, 53, 63};

constexpr std::array<uint8_t, 16> kWriteMask{0xFF, 0x0F, 0xFF, 0x0F, 0xFF, 0x0F, 0x1F, 0xFF,
                                             0x1F, 0x1F, 0x1F, 0xFF, 0xFF, 0x0F, 0xFF, 0xFF};

int32_t Wrapped(int32_t counter, int32_t add) {
  return static_cast<int32_t>(static_cast<uint32_t>(counter) + static_cast<uint32_t>(add));
}

bool RepeatingShape(int shape) { return shape == 8 || shape == 10 || shape == 12 || shape == 14; }

constexpr uint32_t kSeedMultiplier = 134775813u;
// Up to this many steps, Advance takes them one by one.
constexpr int kStepsTakenSingly = 4;

// A counter that loses 10 a step and gains `period` whenever it went below
// zero, at most once a step (period >= 10, counter >= 0): after `steps` it is
// the first value at or above zero that differs from counter - 10 * steps by
// whole periods; how many were added is the number of reloads.
struct Countdown {
  int64_t counter;
  int64_t reloads;
};
Countdown CountDown(int64_t counter, int64_t period, int64_t steps) {
  const int64_t d = counter - 10 * steps;
  if (d >= 0) return {d, 0};
  const int64_t reloads = (-d + period - 1) / period;
  return {d + reloads * period, reloads};
}

}  // namespace

void SoundGenerator::WriteRegister(uint8_t value) {
  registers_[selected_] = value & kWriteMask[selected_];
  switch (selected_) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: toneCounters_[selected_ / 2] = TonePeriod(selected_ / 2); break;
    case 6: noiseCounter_ = registers_[6]; break;
    case 11:
    case 12:
      envelopeCounter_ = EnvelopePeriod();
      envelopeStep_ = 0;
      envelopeDirection_ = false;
      break;
    case 13:
      envelopeStep_ = 0;
      envelopeDirection_ = false;
      break;
    default: break;
  }
}

uint8_t SoundGenerator::ReadRegister() const {
  const int r = selected_;
  if (r <= 5) return static_cast<uint8_t>(toneCounters_[r / 2] >> (r % 2 ? 8 : 0));
  if (r == 6) return static_cast<uint8_t>(noiseCounter_);
  if (r == 11) return static_cast<uint8_t>(envelopeCounter_);
  if (r == 12) return static_cast<uint8_t>(envelopeCounter_ >> 8);
  return registers_[r];
}

int SoundGenerator::EnvelopeLevel() const {
  const bool ended = envelopeStep_ > 31;
  const int s = ended ? 31 : envelopeStep_;
  switch (registers_[13]) {
    case 4:
    case 5:
    case 6:
    case 7:
    case 13: return ended ? 31 : s;
    case 8: return 31 - s;
    case 10: return envelopeDirection_ ? s : 31 - s;
    case 11: return ended ? 31 : 31 - s;
    case 12: return s;
    case 14: return envelopeDirection_ ? 31 - s : s;
    case 15: return ended ? 0 : s;
    default: return ended ? 0 : 31 - s;  // 0-3 and 9
  }
}

void SoundGenerator::SoundGeneratorStep() {
  StepCounters();
  UpdateOutput();
}

void SoundGenerator::StepCounters() {
  for (int x = 0; x < 3; ++x) StepTone(x);
  StepNoise();
  StepEnvelope();
}

inline void SoundGenerator::StepTone(int x) {
  // A period below 10 never catches up with the step of 10: the counter
  // runs down for good and wraps round like the 32-bit register it is.
  toneCounters_[x] = Wrapped(toneCounters_[x], -10);
  if (toneCounters_[x] < 0) {
    toneCounters_[x] = Wrapped(toneCounters_[x], TonePeriod(x));
    toneFlips_[x] = !toneFlips_[x];
  }
}

inline void SoundGenerator::StepNoise() {
  if (--noiseCounter_ < 0) {
    noiseCounter_ += registers_[6] + 1;
    seed_ = seed_ * kSeedMultiplier + 1u;
    noiseBit_ = (seed_ & 0x80000000u) == 0;
  }
}

inline void SoundGenerator::StepEnvelope() {
  if (envelopeStep_ < 32) envelopeCounter_ -= 10;
  if (envelopeCounter_ < 0) {
    if (++envelopeStep_ > 31) {
      if (RepeatingShape(registers_[13])) {
        envelopeStep_ = 0;
        envelopeDirection_ = !envelopeDirection_;
      } else {
        envelopeStep_ = 32;
      }
    }
    envelopeCounter_ += EnvelopePeriod() + 10;
  }
}

void SoundGenerator::UpdateOutput() {
  const int envelopeVolume = kVolume[EnvelopeLevel()];
  const uint8_t mixer = registers_[kMixerRegister];
  std::array<int, 3> channel{};
  for (int x = 0; x < 3; ++x) {
    const uint8_t amplitude = registers_[8 + x];
    const int v = (amplitude & 0x10) ? envelopeVolume : kVolume[2 * (amplitude & 0x0F)];
    const bool toneOn = !(mixer & (1 << x)) && TonePeriod(x) >= 10 && toneFlips_[x];
    const bool noiseOn = !(mixer & (8 << x)) && noiseBit_;
    channel[x] = std::min(255, (toneOn ? 0x80 + v : 0x80) + (noiseOn ? v : 0));
  }
  outputLevel_ = std::min(255, channel[0] + channel[1] - 0x80);
  outputLevel_ = std::min(255, outputLevel_ + channel[2] - 0x80);
}

// The output level depends only on the state after the last step, so it is
// mixed once. A few steps are cheapest taken one by one; more are counted in
// closed form.
void SoundGenerator::Advance(int steps) {
  if (steps <= 0) return;
  if (steps <= kStepsTakenSingly) {
    for (int i = 0; i < steps; ++i) StepCounters();
  } else {
    for (int x = 0; x < 3; ++x) AdvanceTone(x, steps);
    AdvanceNoise(steps);
    AdvanceEnvelope(steps);
  }
  UpdateOutput();
}

void SoundGenerator::AdvanceTone(int x, int steps) {
  const int period = TonePeriod(x);
  if (period < 10 || toneCounters_[x] < 0) {
    // The runaway counter of a short period, step by step as it wraps.
    for (int i = 0; i < steps; ++i) StepTone(x);
    return;
  }
  const Countdown c = CountDown(toneCounters_[x], period, steps);
  toneCounters_[x] = static_cast<int>(c.counter);
  if (c.reloads & 1) toneFlips_[x] = !toneFlips_[x];
}

void SoundGenerator::AdvanceNoise(int steps) {
  // The noise counter loses 1 a step and reloads with registers_[6] + 1.
  const int period = registers_[6] + 1;
  if (noiseCounter_ < 0) {
    for (int i = 0; i < steps; ++i) StepNoise();
    return;
  }
  const int64_t d = static_cast<int64_t>(noiseCounter_) - steps;
  if (d >= 0) {
    noiseCounter_ = static_cast<int>(d);
    return;
  }
  const int64_t draws = (-d + period - 1) / period;
  noiseCounter_ = static_cast<int>(d + draws * period);
  // `draws` turns of seed = seed * a + 1 at once: the map composed with
  // itself by squaring (all modulo 2^32).
  uint32_t multiplier = 1, increment = 0;
  uint32_t powerMultiplier = kSeedMultiplier, powerIncrement = 1;
  for (auto n = static_cast<uint64_t>(draws); n != 0; n >>= 1) {
    if (n & 1) {
      multiplier *= powerMultiplier;
      increment = increment * powerMultiplier + powerIncrement;
    }
    powerIncrement *= powerMultiplier + 1;
    powerMultiplier *= powerMultiplier;
  }
  seed_ = seed_ * multiplier + increment;
  noiseBit_ = (seed_ & 0x80000000u) == 0;
}

void SoundGenerator::AdvanceEnvelope(int steps) {
  // Once a one-shot shape ended the counter stands still.
  if (envelopeStep_ >= 32 && envelopeCounter_ >= 0) return;
  if (envelopeStep_ >= 32 || envelopeCounter_ < 0) {
    for (int i = 0; i < steps; ++i) StepEnvelope();
    return;
  }
  const int64_t period = EnvelopePeriod() + 10;
  const Countdown c = CountDown(envelopeCounter_, period, steps);
  if (RepeatingShape(registers_[13])) {
    const int64_t place = envelopeStep_ + c.reloads;
    if ((place / 32) & 1) envelopeDirection_ = !envelopeDirection_;
    envelopeStep_ = static_cast<int>(place % 32);
    envelopeCounter_ = static_cast<int>(c.counter);
    return;
  }
  const int left = 32 - envelopeStep_;
  if (c.reloads < left) {
    envelopeStep_ += static_cast<int>(c.reloads);
    envelopeCounter_ = static_cast<int>(c.counter);
    return;
  }
  // The reload that ends the shape is the last: the counter keeps the value
  // it had then. That reload comes at the first step that takes the counter,
  // with the reloads before it, below zero.
  const int64_t before = envelopeCounter_ + (left - 1) * period;
  const int64_t step = before / 10 + 1;
  envelopeCounter_ = static_cast<int>(before - 10 * step + period);
  envelopeStep_ = 32;
}

}  // namespace quillor
