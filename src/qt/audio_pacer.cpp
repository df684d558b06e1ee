#include "qt/audio_pacer.h"

#include <algorithm>

namespace quillor {
namespace {

constexpr uint8_t kSilence = 0x80;

}  // namespace

AudioPacer::AudioPacer(size_t bufferSamples) {
  const size_t most = bufferSamples + bufferSamples * kMaxStretchPercent / 100 + 1;
  out_.resize(kTarget + most);
}

std::span<const uint8_t> AudioPacer::Pace(size_t queued, std::span<const uint8_t> in) {
  lastPadding_ = 0;
  if (in.empty()) return {};
  if (queued > kCeiling) {
    ++dropped_;
    return {};
  }
  size_t at = 0;
  if (queued < kUnderrun) {
    ++refills_;
    at = kTarget - queued;
    std::fill_n(out_.begin(), at, kSilence);
    queued = kTarget;
  }
  lastPadding_ = at;
  const long long limit = static_cast<long long>(in.size() * kMaxStretchPercent / 100);
  const long long error = static_cast<long long>(queued) - static_cast<long long>(kTarget);
  const long long shorten = std::clamp(error / static_cast<long long>(kGainDivisor), -limit, limit);
  const size_t length = in.size() - static_cast<size_t>(shorten);
  for (size_t i = 0; i < length; ++i) out_[at + i] = in[i * in.size() / length];
  return std::span<const uint8_t>(out_).first(at + length);
}

}  // namespace quillor
