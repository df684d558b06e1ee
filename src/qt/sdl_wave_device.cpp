#include "qt/sdl_wave_device.h"

#include <SDL2/SDL.h>

namespace quillor {

SdlWaveDevice::SdlWaveDevice(size_t bufferSamples) : pacer_(bufferSamples) {}

SdlWaveDevice::~SdlWaveDevice() {
  if (device_) SDL_CloseAudioDevice(device_);
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlWaveDevice::Open(int samplesPerSecond) {
  if (device_) return true;
  if (!subsystem_) {
    // SDL would otherwise take SIGINT and SIGTERM for itself and turn them
    // into events nobody reads: the program could no longer be stopped.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    subsystem_ = true;
  }
  SDL_AudioSpec want{};
  want.freq = samplesPerSecond;
  want.format = AUDIO_U8;
  want.channels = 1;
  want.samples = kDeviceSamples;
  // No callback: samples arrive through SDL_QueueAudio. SDL converts if the
  // card wants another format, so the queue always holds our bytes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (!device_) return false;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlWaveDevice::Submit(std::span<const uint8_t> samples) {
  if (!device_) return;
  const auto paced = pacer_.Pace(SDL_GetQueuedAudioSize(device_), samples);
  // A refused queueing loses one buffer's sound; nothing else to do about it.
  if (!paced.empty()) SDL_QueueAudio(device_, paced.data(), static_cast<Uint32>(paced.size()));
}

}  // namespace quillor
