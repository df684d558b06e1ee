// The desktop audio queue over long runs, on a model of the frame timer and
// the sound card: the machine's samples come in bursts of one 40 ms (or
// 20 ms) frame, are handed over in 2048-sample buffers through the pacer,
// and the card takes 256 samples every 256/22050 s. Each sample's latency is
// from the frame tick that made it to the end of the card's block that
// played it.
#include "qt/audio_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <iostream>
#include <vector>

namespace quillor {
namespace {

constexpr double kRate = 22050.0;
constexpr int kBlock = 256;
constexpr double kSamplesPerFrame = 70960.0 / 80.0;  // 887.0 per 40 ms of machine time

struct Stats {
  double maxLatency = 0, sumLatency = 0;
  long long played = 0, underruns = 0;
  size_t maxQueued = 0;
  void Reset() { *this = Stats{}; }
  double Mean() const { return played ? sumLatency / static_cast<double>(played) : 0; }
};

class Pipeline {
 public:
  // Runs `seconds` of real time with a frame tick every `tickMs`, each tick
  // making `framesPerTick` frames of samples (0 while paused).
  void Run(double seconds, double tickMs, double framesPerTick) {
    const double end = now_ + seconds;
    while (now_ < end) {
      if (nextTick_ <= nextPull_) {
        now_ = nextTick_;
        Tick(framesPerTick);
        // A host timer is never quite on time: up to 3 ms either way.
        jitter_ = jitter_ * 1103515245u + 12345u;
        nextTick_ = now_ + tickMs / 1000.0 + (static_cast<int>((jitter_ >> 16) % 61) - 30) / 10000.0;
      } else {
        now_ = nextPull_;
        Pull();
        nextPull_ = now_ + kBlock / kRate;
      }
    }
  }
  Stats stats;
  AudioPacer pacer{2048};

 private:
  struct Run_ {
    size_t count;
    double made;  // < 0: padding silence
  };
  void Tick(double frames) {
    carry_ += frames * kSamplesPerFrame;
    const auto n = static_cast<long long>(carry_);
    carry_ -= static_cast<double>(n);
    for (long long i = 0; i < n; ++i) {
      if (fill_ == 2048) Submit();
      buffer_[fill_++] = now_;
    }
  }
  void Submit() {
    const std::vector<uint8_t> samples(2048, 0x80);
    const auto out = pacer.Pace(queued_, samples);
    // Silence first when the queue was topped up, then the buffer stretched
    // to the rest; each played sample carries the time its original was made.
    const size_t pad = out.empty() ? 0 : pacer.LastPadding();
    if (pad) runs_.push_back({pad, -1});
    const size_t stretched = out.size() - pad;
    for (size_t j = 0; j < stretched; ++j) runs_.push_back({1, buffer_[j * 2048 / stretched]});
    queued_ += out.size();
    stats.maxQueued = std::max(stats.maxQueued, queued_);
    fill_ = 0;
  }
  void Pull() {
    size_t need = kBlock;
    const double heard = now_ + kBlock / kRate;
    while (need && !runs_.empty()) {
      Run_& r = runs_.front();
      const size_t take = std::min(need, r.count);
      if (r.made >= 0) {
        const double latency = heard - r.made;
        stats.maxLatency = std::max(stats.maxLatency, latency);
        stats.sumLatency += latency * static_cast<double>(take);
        stats.played += static_cast<long long>(take);
      }
      r.count -= take;
      need -= take;
      queued_ -= take;
      if (!r.count) runs_.pop_front();
    }
    if (need) ++stats.underruns;
  }

  double now_ = 0, nextTick_ = 0, nextPull_ = 0.001, carry_ = 0;
  uint32_t jitter_ = 1;
  std::vector<double> buffer_ = std::vector<double>(2048);
  size_t fill_ = 0, queued_ = 0;
  std::deque<Run_> runs_;
};

TEST(AudioPacer, AnHourAtRealSpeedKeepsTheLatencyBoundedWithoutUnderruns) {
  Pipeline p;
  p.Run(2, 40, 1);  // settling
  p.stats.Reset();
  p.Run(600, 40, 1);
  const Stats first = p.stats;
  p.stats.Reset();
  p.Run(3000, 40, 1);
  const Stats rest = p.stats;
  std::cout << "real speed, first 10 min: mean " << first.Mean() * 1000 << " ms, max "
            << first.maxLatency * 1000 << " ms; next 50 min: mean " << rest.Mean() * 1000 << " ms, max "
            << rest.maxLatency * 1000 << " ms, most queued " << rest.maxQueued << ", underruns "
            << rest.underruns << ", buffers dropped " << p.pacer.Dropped() << "\n";
  EXPECT_EQ(first.underruns + rest.underruns, 0);
  EXPECT_EQ(p.pacer.Dropped(), 0u);
  EXPECT_LT(rest.Mean(), 0.150);
  // Nothing grows: the last 50 minutes are no worse than the first 10.
  EXPECT_LE(rest.maxLatency, first.maxLatency + 0.005);
  EXPECT_LT(rest.maxQueued, 2048u + AudioPacer::kCeiling);
}

TEST(AudioPacer, FastAndStoppedMachinesPileNothingUpAndRealSpeedRecovers) {
  Pipeline p;
  p.Run(10, 40, 1);
  p.stats.Reset();
  p.Run(600, 20, 1);   // "x 2": a frame every 20 ms
  p.Run(600, 20, 10);  // "Full": ten frames a tick
  const Stats fast = p.stats;
  EXPECT_LT(fast.maxQueued, 2048u + AudioPacer::kCeiling + 100);
  EXPECT_GT(p.pacer.Dropped(), 0u);
  p.Run(10, 40, 0);  // paused, or stopped in the debugger
  p.stats.Reset();
  p.Run(1, 40, 1);  // back at real speed: settles within a second
  p.stats.Reset();
  p.Run(60, 40, 1);
  std::cout << "after x2, Full and a pause: mean " << p.stats.Mean() * 1000 << " ms, max "
            << p.stats.maxLatency * 1000 << " ms, underruns " << p.stats.underruns << "\n";
  EXPECT_EQ(p.stats.underruns, 0);
  EXPECT_LT(p.stats.Mean(), 0.150);
}

TEST(AudioPacer, StretchesByAtMostTwoPercentAndTopsUpAnEmptyQueue) {
  AudioPacer pacer(2048);
  const std::vector<uint8_t> in(2048, 0x90);
  EXPECT_EQ(pacer.Pace(AudioPacer::kTarget, in).size(), 2048u);
  EXPECT_EQ(pacer.Pace(AudioPacer::kTarget + 80, in).size(), 2038u);
  EXPECT_EQ(pacer.Pace(AudioPacer::kTarget + 1000, in).size(), 2048u - 40);
  EXPECT_EQ(pacer.Pace(AudioPacer::kUnderrun + 1, in).size(), 2048u + 40);
  const auto refilled = pacer.Pace(0, in);
  ASSERT_EQ(refilled.size(), AudioPacer::kTarget + 2048);
  EXPECT_EQ(refilled[0], 0x80);
  EXPECT_EQ(refilled[AudioPacer::kTarget], 0x90);
  EXPECT_TRUE(pacer.Pace(AudioPacer::kCeiling + 1, in).empty());
  EXPECT_EQ(pacer.Dropped(), 1u);
}

}  // namespace
}  // namespace quillor
