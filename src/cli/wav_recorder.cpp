#include "cli/wav_recorder.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quillor::cli {
namespace {

constexpr uint32_t kHeaderBytes = 44;
// A RIFF file stops growing at 4 GiB; what comes after that is not kept.
constexpr uint32_t kMaxDataBytes = std::numeric_limits<uint32_t>::max() - kHeaderBytes - 1;

void Put16(uint8_t* at, uint32_t v) {
  at[0] = static_cast<uint8_t>(v);
  at[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* at, uint32_t v) {
  Put16(at, v);
  Put16(at + 2, v >> 16);
}

}  // namespace

WavRecorder::~WavRecorder() { Finish({}); }

bool WavRecorder::Open(int samplesPerSecond) {
  rate_ = samplesPerSecond;
  return true;
}

void WavRecorder::Submit(std::span<const uint8_t> samples) {
  if (!file_) return;
  const size_t skipped = std::min(skip_, samples.size());
  skip_ -= skipped;
  Append(samples.subspan(skipped));
  WriteHeader();
}

bool WavRecorder::StartFile(const std::string& path, size_t skip) {
  const bool finished = Finish({});
  file_ = std::fopen(path.c_str(), "wb");
  path_ = path;
  dataBytes_ = 0;
  skip_ = skip;
  failed_ = false;
  if (!file_) return false;
  WriteHeader();
  return finished && !failed_;
}

bool WavRecorder::Finish(std::span<const uint8_t> pending) {
  if (!file_) return true;
  Submit(pending);
  // An odd data chunk is followed by one pad byte, as RIFF requires.
  if (dataBytes_ % 2 == 1) {
    const uint8_t pad = 0;
    std::fseek(file_, 0, SEEK_END);
    if (std::fwrite(&pad, 1, 1, file_) != 1) failed_ = true;
    WriteHeader();
  }
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

void WavRecorder::Append(std::span<const uint8_t> samples) {
  if (samples.empty()) return;
  const size_t room = kMaxDataBytes - dataBytes_;
  const size_t n = std::min(samples.size(), room);
  std::fseek(file_, 0, SEEK_END);
  if (std::fwrite(samples.data(), 1, n, file_) != n) failed_ = true;
  dataBytes_ += static_cast<uint32_t>(n);
}

void WavRecorder::WriteHeader() {
  std::array<uint8_t, kHeaderBytes> h{'R', 'I', 'F', 'F', 0,   0,   0,  0, 'W', 'A',
                                      'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0,   0};
  const uint32_t padded = dataBytes_ + dataBytes_ % 2;
  Put32(&h[4], 4 + 24 + 8 + padded);
  Put16(&h[20], 1);  // PCM
  Put16(&h[22], 1);  // mono
  Put32(&h[24], static_cast<uint32_t>(rate_));
  Put32(&h[28], static_cast<uint32_t>(rate_));  // bytes a second
  Put16(&h[32], 1);                             // block alignment
  Put16(&h[34], 8);                             // bits a sample
  h[36] = 'd', h[37] = 'a', h[38] = 't', h[39] = 'a';
  Put32(&h[40], dataBytes_);
  if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fwrite(h.data(), 1, h.size(), file_) != h.size() ||
      std::fflush(file_) != 0) {
    failed_ = true;
  }
}

}  // namespace quillor::cli
