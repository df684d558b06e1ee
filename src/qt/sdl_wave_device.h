// The desktop's sound: SDL2 audio, 8-bit unsigned mono. SDL plays on its own
// thread from its queue; the frame timer's thread only queues, through the
// pacer that keeps the queue short.
#pragma once

#include <SDL2/SDL_audio.h>

#include "host/wave_device.h"
#include "qt/audio_pacer.h"

namespace quillor {

class SdlWaveDevice final : public WaveDevice {
 public:
  // Samples SDL hands the card at a time: 256 is 11.6 ms at 22050 a second.
  static constexpr int kDeviceSamples = 256;

  explicit SdlWaveDevice(size_t bufferSamples);
  SdlWaveDevice(const SdlWaveDevice&) = delete;
  SdlWaveDevice& operator=(const SdlWaveDevice&) = delete;
  ~SdlWaveDevice() override;

  bool Open(int samplesPerSecond) override;
  void Submit(std::span<const uint8_t> samples) override;

 private:
  SDL_AudioDeviceID device_ = 0;
  bool subsystem_ = false;
  AudioPacer pacer_;
};

}  // namespace quillor
