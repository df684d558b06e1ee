#include "machine/sound_output.h"

#include <algorithm>

namespace quillor {

bool SoundOutput::Start(std::span<const uint8_t> diskSounds) {
  // A short or missing resource leaves the rest of the sounds silent.
  motor_.fill(kSilence);
  step_.fill(kSilence);
  const auto motor = diskSounds.first(std::min<size_t>(diskSounds.size(), kMotorSamples));
  std::ranges::copy(motor, motor_.begin());
  const auto rest = diskSounds.subspan(motor.size());
  std::ranges::copy(rest.first(std::min<size_t>(rest.size(), kStepSamples)), step_.begin());

  for (auto& buffer : buffers_) buffer.fill(kSilence);
  available_ = device_.Open(kSamplesPerSecond);
  enabled_ = available_;
  device_.Submit(buffers_[0]);
  device_.Submit(buffers_[1]);
  current_ = 0;
  index_ = 0;
  return available_;
}

// The device copies what it is handed (or has finished with it by the time
// the buffer comes round again), so the buffer is refilled at once.
void SoundOutput::SubmitCurrent() {
  device_.Submit(buffers_[current_]);
  current_ ^= 1;
  index_ = 0;
}

}  // namespace quillor
