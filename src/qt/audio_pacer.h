// Keeps the desktop's audio queue short. The machine makes 22175 samples an
// emulated second and the sound card plays 22050, so at real speed the queue
// would grow by 125 samples a second for as long as the program runs; at "x 2"
// and "Full" the machine makes two to ten times what is played, and while it
// is paused or stopped in the debugger it makes nothing.
//
// We stretch rather than drop at real speed: each 2048-sample buffer is
// resampled (nearest sample) to a length chosen from the measured fill of
// the queue, at most 2 % shorter or longer. Near the target that is a pitch
// change of well under a semitone's tenth, which nobody hears, whereas
// dropping a run of samples is a click in every tone. Far above the target
// (the machine runs faster than real time) stretching would have to squeeze
// whole octaves, so there whole buffers are dropped instead: what is played
// is the machine's sound at its own pitch, in pieces. After an underrun (a
// pause, the debugger, a modal dialog) the queue is first topped up with
// silence to the target, so playback starts again with its margin and does
// not stutter on the next burst of the frame timer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quillor {

class AudioPacer {
 public:
  // Samples queued ahead of a new buffer that the pacer aims for: enough to
  // bridge the longest gap between two buffers (three 40 ms frame ticks)
  // while the card takes 256 samples at a time.
  static constexpr size_t kTarget = 800;
  // More than this ahead of a new buffer: the machine runs fast; drop it.
  static constexpr size_t kCeiling = 2200;
  // Below this the queue has run dry or nearly so: refill with silence.
  static constexpr size_t kUnderrun = 256;
  // One sample of stretch for every eight samples off the target...
  static constexpr size_t kGainDivisor = 8;
  // ...but never more than 2 % of a buffer.
  static constexpr size_t kMaxStretchPercent = 2;

  explicit AudioPacer(size_t bufferSamples);

  // What to queue behind `queued` samples for the buffer `in`: a view of an
  // internal buffer (no allocation after construction), empty for a drop.
  std::span<const uint8_t> Pace(size_t queued, std::span<const uint8_t> in);

  size_t Dropped() const { return dropped_; }
  size_t Refills() const { return refills_; }
  // The silence put in front of the last buffer paced.
  size_t LastPadding() const { return lastPadding_; }

 private:
  std::vector<uint8_t> out_;
  size_t dropped_ = 0;
  size_t refills_ = 0;
  size_t lastPadding_ = 0;
};

}  // namespace quillor
