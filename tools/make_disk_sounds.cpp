// Build-time tool: synthesises the disk drive sounds, 8-bit unsigned
// samples at 22050 per second with 128 as silence.
//
//   quillor-make-disk-sounds OUT
//
// Bytes 0-16127: the spindle motor, played in a loop while a motor runs.
// Every partial completes a whole number of cycles in the 16128 samples,
// so the loop joins without a click. Bytes 16128-17193: the click of one
// head step, starting and ending at silence.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kMotorSamples = 16128, kStepSamples = 1066;
constexpr double kRate = 22050;
constexpr uint64_t kSeed = 0x51A7D15C;

// A small generator of our own, so the same seed gives the same sound
// with any standard library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  double Uniform() {  // [0, 1)
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<double>((z ^ (z >> 31)) >> 11) / 9007199254740992.0;
  }

 private:
  uint64_t state_;
};

std::vector<double> Motor(Random& random) {
  std::vector<double> s(kMotorSamples, 0.0);
  auto add = [&](int cycles, double amplitude, double phase) {
    const double w = 2 * std::numbers::pi * cycles / kMotorSamples;
    for (int i = 0; i < kMotorSamples; ++i) s[i] += amplitude * std::sin(w * i + phase);
  };
  // Motor hum near 82 Hz with its harmonics.
  const int hum = 60;  // 60 cycles: about 82 Hz
  add(hum, 5.0, 0);
  add(2 * hum, 3.0, 1.1);
  add(3 * hum, 1.6, 2.3);
  add(5 * hum, 0.8, 0.4);
  // Air and bearing rush: many quiet partials of random phase, weaker
  // toward the top.
  for (int cycles = 200; cycles < 3000; cycles += 7) {
    const double amplitude = 0.5 * std::exp(-cycles / 1200.0) * (0.5 + random.Uniform());
    add(cycles, amplitude, 2 * std::numbers::pi * random.Uniform());
  }
  // The disk turning at 300 rpm gives the hum a slow swell.
  const double wobble = 2 * std::numbers::pi * 4 / kMotorSamples;  // 4 cycles: about 5.5 Hz
  for (int i = 0; i < kMotorSamples; ++i) s[i] *= 1.0 + 0.25 * std::sin(wobble * i);
  return s;
}

std::vector<double> Step(Random& random) {
  std::vector<double> s(kStepSamples, 0.0);
  for (int i = 0; i < kStepSamples; ++i) {
    const double t = i / kRate;
    const double strike = std::exp(-t * 900) * (2 * random.Uniform() - 1) * 50;
    const double ring = std::exp(-t * 140) * (26 * std::sin(2 * std::numbers::pi * 1450 * t) +
                                              12 * std::sin(2 * std::numbers::pi * 3100 * t + 0.7));
    const double thud = std::exp(-t * 60) * 14 * std::sin(2 * std::numbers::pi * 180 * t);
    // Rise over a few samples and fade over the last quarter, so the click
    // starts and ends at silence.
    const double attack = std::min(1.0, i / 6.0);
    const double tail = std::min(1.0, (kStepSamples - 1 - i) / (kStepSamples / 4.0));
    s[i] = (strike + ring + thud) * attack * tail;
  }
  return s;
}

uint8_t Sample(double v) {
  const long q = std::lround(128 + v);
  return static_cast<uint8_t>(q < 0 ? 0 : q > 255 ? 255 : q);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillor-make-disk-sounds OUT\n");
    return 2;
  }
  Random random(kSeed);
  std::vector<uint8_t> out;
  for (double v : Motor(random)) out.push_back(Sample(v));
  for (double v : Step(random)) out.push_back(Sample(v));
  std::ofstream file(argv[1], std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) {
    std::fprintf(stderr, "quillor-make-disk-sounds: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
