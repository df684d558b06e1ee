// The three-channel programmable sound generator on ports 0x1E (data) and
// 0x1F (register select): square-wave tones, a noise source, a mixer and a
// shared envelope, stepped every 80 T-states.
#pragma once

#include <array>
#include <cstdint>

namespace quillor {

class SoundGenerator {
 public:
  static constexpr int kStepTStates = 80;
  static constexpr uint8_t kMixerRegister = 7;
  static constexpr uint8_t kAllSourcesOff = 0x3F;

  // Port 0x1F.
  void SelectRegister(uint8_t value) { selected_ = value & 0x0F; }
  uint8_t SelectedRegister() const { return selected_; }
  // Port 0x1E: stores the value masked and restarts the counter it feeds.
  void WriteRegister(uint8_t value);
  // Port 0x1E: the running counter for period registers, else the stored value.
  uint8_t ReadRegister() const;
  // Reset and NMI switch every tone and noise output off.
  void Mute() { registers_[kMixerRegister] = kAllSourcesOff; }

  void SoundGeneratorStep();
  // The state that many SoundGeneratorStep calls would leave, counters,
  // noise draws and output level alike, without taking them one by one.
  void Advance(int steps);
  // The mixed output, 0x80 (silence) .. 255.
  int OutputLevel() const { return outputLevel_; }
  uint8_t Register(int index) const { return registers_[index]; }

  bool operator==(const SoundGenerator&) const = default;

 private:
  int TonePeriod(int channel) const { return registers_[2 * channel] | (registers_[2 * channel + 1] << 8); }
  int EnvelopePeriod() const { return registers_[11] | (registers_[12] << 8); }
  int EnvelopeLevel() const;
  // A step's counting and its mixing, the two halves of SoundGeneratorStep.
  void StepCounters();
  void StepTone(int channel);
  void StepNoise();
  void StepEnvelope();
  void UpdateOutput();
  void AdvanceTone(int channel, int steps);
  void AdvanceNoise(int steps);
  void AdvanceEnvelope(int steps);

  std::array<uint8_t, 16> registers_{0xFF, 0x0F, 0xFF, 0x0F, 0xFF, 0x0F, 0x1F, 0x3F,
                                     0,    0,    0,    0xFF, 0xFF, 0,    0,    0};
  uint8_t selected_ = 0;
  std::array<int, 3> toneCounters_{0x0FFF, 0x0FFF, 0x0FFF};
  std::array<bool, 3> toneFlips_{};
  int noiseCounter_ = 0x1F;
  bool noiseBit_ = false;
  uint32_t seed_ = 0;
  int envelopeCounter_ = 0xFFFF;
  int envelopeStep_ = 0;
  bool envelopeDirection_ = false;
  int outputLevel_ = 0x80;
};

}  // namespace quillor
