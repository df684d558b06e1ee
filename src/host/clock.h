// The host's millisecond tick count, used by the timer calibration and the
// speed display.
#pragma once

#include <chrono>
#include <cstdint>

namespace quillor {

class Clock {
 public:
  virtual ~Clock() = default;
  // Scheduler, at calibration and every 25th tick: milliseconds since an
  // arbitrary start; wraps after about 49 days like the system tick count.
  virtual uint32_t Milliseconds() = 0;
};

// The real clock, for the desktop application and as the core's default.
class SteadyClock final : public Clock {
 public:
  uint32_t Milliseconds() override {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
};

}  // namespace quillor
