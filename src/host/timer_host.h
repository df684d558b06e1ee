// The frame timer that drives the scheduler.
#pragma once

namespace quillor {

class TimerHost {
 public:
  virtual ~TimerHost() = default;
  // Calibration and the turbo commands: ticks from now on come every `ms`
  // milliseconds (20 or 40).
  virtual void SetInterval(int /*ms*/) {}
  // Modal dialogs opened from the processor loop or a menu, and BASIC loads:
  // no ticks until Start.
  virtual void Stop() {}
  // After such a dialog or load, and at the end of start-up: ticks resume.
  virtual void Start() {}
};

}  // namespace quillor
