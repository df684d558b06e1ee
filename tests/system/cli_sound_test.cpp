// The machine heard through the runner's WAV files: small machine-code
// programs make sound through the cassette port, the sound generator and the
// disk controller, and the files are measured.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "resources/embedded_resources.h"
#include "storage/disk_image_builder.h"
#include "system/run_cli.h"
#include "system/wav_reading.h"

namespace quillor {
namespace {

using test::ReadWavSamples;
using test::RunCli;
using test::TestFilePath;
using test::WriteTestFile;
using Bytes = std::vector<uint8_t>;

constexpr double kMachineClock = 1774000.0;
constexpr double kTStatesPerSample = 80.0;
constexpr double kPlaybackRate = 22050.0;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// A .cmd file loading `code` at 0x5000 and starting it there.
std::string WriteProgram(const std::string& name, Bytes code) {
  Bytes file{0x01, static_cast<uint8_t>(code.size() + 2), 0x00, 0x50};
  file.insert(file.end(), code.begin(), code.end());
  file.insert(file.end(), {0x02, 0x02, 0x00, 0x50});
  return WriteTestFile(name, file);
}

// LD A,reg / OUT (1Fh),A / LD A,value / OUT (1Eh),A
void Generator(Bytes& code, uint8_t reg, uint8_t value) {
  code.insert(code.end(), {0x3E, reg, 0xD3, 0x1F, 0x3E, value, 0xD3, 0x1E});
}

std::vector<uint8_t> Record(const std::string& name, const std::string& before, Bytes code,
                            const std::string& run = "--seconds 2") {
  const std::string wav = TestFilePath(name + ".wav");
  std::filesystem::remove(wav);
  const auto r = RunCli(before + " --run " + Quoted(WriteProgram(name + ".cmd", std::move(code))) +
                        " --wav " + Quoted(wav) + " " + run);
  EXPECT_EQ(r.status, 0) << r.out;
  return ReadWavSamples(wav);
}

TEST(CliSound, PortToggleGivesItsRateAsTheDominantFrequency) {
  const uint8_t n = 100;
  // DI; loop: LD A,1; OUT (FFh),A; LD B,n; DJNZ $; LD A,2; OUT (FFh),A; LD B,n; DJNZ $; JR loop
  const Bytes code{0xF3, 0x3E, 0x01, 0xD3, 0xFF, 0x06, n,    0x10, 0xFE, 0x3E,
                   0x02, 0xD3, 0xFF, 0x06, n,    0x10, 0xFE, 0x18, 0xEE};
  const auto s = Record("port_tone", "", code);
  ASSERT_GT(s.size(), 40000u);
  const double cycleTStates = 2 * (7 + 11 + 7 + 13 * n - 5) + 12;  // 2652
  const double measured = test::SamplesPerCycle(s);
  EXPECT_NEAR(measured, cycleTStates / kTStatesPerSample, 0.05);
  std::cout << "port tone: " << kMachineClock / cycleTStates << " Hz in the machine, "
            << kPlaybackRate / measured << " Hz played from the WAV\n";
  // Each jump is to the full level, then the fade.
  EXPECT_EQ(*std::max_element(s.begin(), s.end()), 0xC0);
  EXPECT_EQ(*std::min_element(s.begin(), s.end()), 0x40);
}

TEST(CliSound, OneWriteJumpsThenFadesToRest) {
  // LD A,1; OUT (FFh),A; DI; JR $
  const auto s = Record("port_fade", "", {0x3E, 0x01, 0xD3, 0xFF, 0xF3, 0x18, 0xFE}, "--frames 10");
  const auto first = std::find_if(s.begin(), s.end(), [](uint8_t v) { return v != 0x80; });
  ASSERT_NE(first, s.end());
  const size_t at = static_cast<size_t>(first - s.begin());
  ASSERT_GT(s.size(), at + 100);
  for (int k = 0; k <= 64; ++k) EXPECT_EQ(s[at + k], 0xC0 - k) << k;
  for (size_t i = at + 64; i < s.size(); ++i) ASSERT_EQ(s[i], 0x80) << i;
}

TEST(CliSound, GeneratorToneHasItsPeriodsFrequencyAndAmplitude) {
  Bytes code{0xF3};
  Generator(code, 7, 0x3E);  // tone A only
  Generator(code, 8, 15);
  Generator(code, 0, 100);
  Generator(code, 1, 0);
  code.insert(code.end(), {0x18, 0xFE});
  const auto s = Record("generator_tone", "", code);
  ASSERT_GT(s.size(), 40000u);
  const std::vector<uint8_t> tail(s.begin() + 1000, s.end());
  const auto [low, high] = std::minmax_element(tail.begin(), tail.end());
  EXPECT_EQ(*low, 0x80);
  EXPECT_EQ(*high, 0x80 + 53);
  // 1 774 000 / (16 x 100) = 1108.75 Hz: 20 samples a cycle.
  const double measured = test::SamplesPerCycleAbove(tail, 0x80 + 26);
  EXPECT_NEAR(measured, 20.0, 0.01);
  std::cout << "generator tone: 1108.75 Hz in the machine, " << kPlaybackRate / measured
            << " Hz played, amplitude " << *high - *low << "\n";
}

TEST(CliSound, SeekAndReadPlayTheMotorLoopAndStepClicks) {
  const std::string disk = WriteTestFile("sound_disk.dsk", test::BuildPlainImage(40));
  // Select drive 0, seek to track 20 (step rate 0), wait, read sector 0, loop.
  const Bytes code{0xF3, 0x3E, 0x01, 0x32, 0xE1, 0x37,  // LD A,1; LD (37E1h),A
                   0x3E, 20,   0x32, 0xEF, 0x37,        // LD A,20; LD (37EFh),A  data: track 20
                   0x3E, 0x10, 0x32, 0xEC, 0x37,        // LD A,10h; LD (37ECh),A seek
                   0x3A, 0xEC, 0x37, 0xE6, 0x01,        // wait: LD A,(37ECh); AND 1
                   0x20, 0xF9,                          // JR NZ,wait
                   0x3E, 0x80, 0x32, 0xEC, 0x37,        // LD A,80h; LD (37ECh),A read sector
                   0x3E, 0x01, 0x32, 0xE1, 0x37,        // keep the drive selected
                   0x18, 0xF9};
  const auto s = Record("disk_sounds", "--disk0 " + Quoted(disk), code, "--seconds 2");
  ASSERT_GT(s.size(), 40000u);
  const auto sounds = FindEmbeddedResource("DSKSND");
  ASSERT_EQ(sounds.size(), 16128u + 1066u);
  const auto motor = sounds.first(16128);
  const auto step = sounds.subspan(16128);

  // The end of the recording is the motor alone: find its place in the loop.
  const size_t window = 4000, end = s.size();
  int place = -1;
  for (int p = 0; p < 16128 && place < 0; ++p) {
    bool all = true;
    for (size_t k = 0; k < window && all; ++k) all = s[end - window + k] == motor[(p + k) % 16128];
    if (all) place = p;
  }
  ASSERT_GE(place, 0) << "the motor loop is not in the recording's last samples";
  // Back from there, every sample is the loop plus what else plays: the clicks.
  auto loopAt = [&](size_t i) {
    const long long back = static_cast<long long>(end - window) - static_cast<long long>(i);
    return motor[static_cast<size_t>(((place - back) % 16128 + 16128) % 16128)];
  };
  size_t motorSamples = 0;
  while (motorSamples < end && s[end - 1 - motorSamples] == loopAt(end - 1 - motorSamples)) ++motorSamples;
  // Find whole clicks: 1066 samples that are the loop plus the click.
  int clicks = 0;
  for (size_t i = 0; i + 1066 < end; ++i) {
    bool all = true;
    for (size_t k = 0; k < 1066 && all; ++k) {
      const int expected = std::clamp(loopAt(i + k) + step[k] - 128, 0, 255);
      all = s[i + k] == expected;
    }
    if (all) {
      ++clicks;
      i += 1065;
    }
  }
  std::cout << "disk: " << motorSamples << " samples of the motor loop, " << clicks << " whole step clicks\n";
  EXPECT_GE(clicks, 3) << "20 steps 266 samples apart: clicks back to back";
  EXPECT_GT(motorSamples, 20000u);
}

TEST(CliSound, EverythingAtOnceSaturatesAt255WithoutWrapping) {
  Bytes code{0xF3};
  Generator(code, 7, 0x38);  // three tones
  for (uint8_t r : {8, 9, 10}) Generator(code, r, 15);
  for (uint8_t r : {0, 2, 4}) Generator(code, r, 10);
  for (uint8_t r : {1, 3, 5}) Generator(code, r, 0);
  // loop: LD A,1; OUT (FFh),A; LD A,2; OUT (FFh),A; JR loop
  code.insert(code.end(), {0x3E, 0x01, 0xD3, 0xFF, 0x3E, 0x02, 0xD3, 0xFF, 0x18, 0xF6});
  const auto s = Record("saturation", "", code, "--frames 25");
  ASSERT_GT(s.size(), 20000u);
  const std::vector<uint8_t> tail(s.begin() + 1000, s.end());
  // The highest speaker level with the generator's 255 is far over a byte:
  // clamped it is 255; wrapped it would drop below the speaker's 0x40.
  EXPECT_GT(std::count(tail.begin(), tail.end(), 255), 1000);
  EXPECT_GE(*std::min_element(tail.begin(), tail.end()), 0x40);
}

TEST(CliSound, SoundOffStopsTheSamplesAndOnResumesThem) {
  const std::string wav = TestFilePath("sound_switch.wav");
  const auto r =
      RunCli("--wav " + Quoted(wav) + " --frames 10 --sound off --frames 50 --sound on --frames 10");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto s = ReadWavSamples(wav);
  // 20 frames of 887 samples each; nothing from the 50 frames between.
  EXPECT_NEAR(static_cast<double>(s.size()), 20 * 70960 / kTStatesPerSample, 2.0);
}

TEST(CliSound, TheFileIsFinishedWhenTheRunFailsAndAWriteFailureIsStatusOne) {
  const std::string wav = TestFilePath("sound_timeout.wav");
  const auto r = RunCli("--wav " + Quoted(wav) + " --timeout-frames 5 --until NEVER-SHOWN");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NEAR(static_cast<double>(ReadWavSamples(wav).size()), 5 * 70960 / kTStatesPerSample, 2.0);

  const auto full = RunCli("--wav /dev/full --frames 10");
  EXPECT_EQ(full.status, 1) << full.out;
  EXPECT_NE(full.out.find("/dev/full"), std::string::npos) << full.out;
  const auto missing = RunCli("--wav /nonexistent-folder/x.wav --frames 1");
  EXPECT_EQ(missing.status, 1) << missing.out;
  const auto bad = RunCli("--sound loud");
  EXPECT_EQ(bad.status, 2) << bad.out;
}

}  // namespace
}  // namespace quillor
