// What the machine sounds like: every 80 T-states one 8-bit sample mixed from
// the cassette port's level (a decaying speaker), the drive motor hum, the
// head-step click and the sound generator, collected in two buffers that go
// to the host's wave device in turn.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "host/wave_device.h"

namespace quillor {

class SoundOutput {
 public:
  static constexpr int kSamplesPerSecond = 22050;
  static constexpr int kBufferSamples = 2048;
  static constexpr int kMotorSamples = 16128;
  static constexpr int kStepSamples = 1066;
  static constexpr uint8_t kSilence = 0x80;

  explicit SoundOutput(WaveDevice& device) : device_(device) {}

  // Start-up: keeps the disk sounds (motor loop, then step click), opens the
  // device and hands it the two silent buffers. False when there is no
  // device; sound then starts disabled.
  bool Start(std::span<const uint8_t> diskSounds);

  // One sample. portLevel is the cassette port's output level (0x40, 0x80 or
  // 0xC0), motorRunning the controller's ready state, stepStarted a head
  // step since the last sample, generatorLevel the sound generator's output.
  void ProduceSoundSample(uint8_t portLevel, bool motorRunning, bool stepStarted, int generatorLevel) {
    if (index_ >= kBufferSamples) SubmitCurrent();
    if (portLevel != previousLevel_) {
      speakerLevel_ = portLevel;
    } else if (speakerLevel_ != kSilence) {
      speakerLevel_ += speakerLevel_ < kSilence ? 1 : -1;
    }
    previousLevel_ = portLevel;
    int s = speakerLevel_;
    if (motorRunning) {
      s = Clamp(s + motor_[motorPosition_] - kSilence);
      if (++motorPosition_ == kMotorSamples) motorPosition_ = 0;
    }
    stepActive_ = stepActive_ || stepStarted;
    if (stepActive_) {
      s = Clamp(s + step_[stepPosition_] - kSilence);
      if (++stepPosition_ == kStepSamples) {
        stepPosition_ = 0;
        stepActive_ = false;
      }
    }
    buffers_[current_][index_++] = static_cast<uint8_t>(Clamp(s + generatorLevel - kSilence));
  }

  bool Available() const { return available_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // The samples of the buffer being filled that the device has not had yet.
  std::span<const uint8_t> PendingSamples() const {
    return std::span<const uint8_t>(buffers_[current_]).first(static_cast<size_t>(index_));
  }

 private:
  static int Clamp(int s) { return s < 0 ? 0 : (s > 255 ? 255 : s); }
  void SubmitCurrent();

  WaveDevice& device_;
  std::array<std::array<uint8_t, kBufferSamples>, 2> buffers_{};
  int current_ = 0;
  int index_ = 0;
  bool available_ = false;
  bool enabled_ = false;
  uint8_t previousLevel_ = kSilence;
  int speakerLevel_ = kSilence;
  std::array<uint8_t, kMotorSamples> motor_{};
  std::array<uint8_t, kStepSamples> step_{};
  int motorPosition_ = 0;
  int stepPosition_ = 0;
  bool stepActive_ = false;
};

}  // namespace quillor
