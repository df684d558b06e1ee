// The runner's wave device: what the sound output hands over goes to a WAV
// file (RIFF, PCM, mono, 8 bits, 22050 samples a second) while one is open.
// The header is brought up to date after every buffer, so the file is a
// valid WAV whenever the runner stops, however it stops.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "host/wave_device.h"

namespace quillor::cli {

class WavRecorder final : public WaveDevice {
 public:
  WavRecorder() = default;
  WavRecorder(const WavRecorder&) = delete;
  WavRecorder& operator=(const WavRecorder&) = delete;
  ~WavRecorder() override;

  // Always there: the runner can always record.
  bool Open(int samplesPerSecond) override;
  void Submit(std::span<const uint8_t> samples) override;

  // Finishes any file being written and starts `path`. The first `skip`
  // samples handed over next were made before this moment and are left out.
  // False when the file cannot be created.
  bool StartFile(const std::string& path, size_t skip);
  // Appends the samples not yet handed over, finishes the file and closes it.
  // False when any write to it failed.
  bool Finish(std::span<const uint8_t> pending);
  bool Recording() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }

 private:
  void Append(std::span<const uint8_t> samples);
  void WriteHeader();

  std::FILE* file_ = nullptr;
  std::string path_;
  int rate_ = 22050;
  uint32_t dataBytes_ = 0;
  size_t skip_ = 0;
  bool failed_ = false;
};

}  // namespace quillor::cli
