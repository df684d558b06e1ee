// The host's sound output: 8-bit unsigned mono samples, 128 = silence.
#pragma once

#include <cstdint>
#include <span>

namespace quillor {

class WaveDevice {
 public:
  virtual ~WaveDevice() = default;
  // Start-up: open the device for `samplesPerSecond` mono 8-bit samples.
  // False when there is no device; the program then runs silent.
  virtual bool Open(int /*samplesPerSecond*/) { return false; }
  // Sound output, whenever one of its buffers is full: queue the samples. The
  // device bounds what it keeps queued, so latency never grows. The samples
  // are the caller's buffer, refilled right after the call: copy them.
  virtual void Submit(std::span<const uint8_t> /*samples*/) {}
};

}  // namespace quillor
