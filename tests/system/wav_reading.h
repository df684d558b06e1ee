// Reads the runner's WAV files back for the sound tests: the header checked
// field by field, the samples, and the measures the tests hear them by.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quillor::test {

inline uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
inline uint32_t Le16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

// The samples of a WAV file, after checking that it is the runner's format
// and that its sizes agree with the file's length.
inline std::vector<uint8_t> ReadWavSamples(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_GE(file.size(), 44u) << path;
  if (file.size() < 44) return {};
  EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(Le32(file, 16), 16u);
  EXPECT_EQ(Le16(file, 20), 1u);      // PCM
  EXPECT_EQ(Le16(file, 22), 1u);      // mono
  EXPECT_EQ(Le32(file, 24), 22050u);  // samples a second
  EXPECT_EQ(Le32(file, 28), 22050u);  // bytes a second
  EXPECT_EQ(Le16(file, 32), 1u);      // block alignment
  EXPECT_EQ(Le16(file, 34), 8u);      // bits
  EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
  const uint32_t data = Le32(file, 40);
  const uint32_t padded = data + data % 2;
  EXPECT_EQ(file.size(), 44u + padded) << path;
  EXPECT_EQ(Le32(file, 4), file.size() - 8);
  if (file.size() < 44u + data) return {};
  return std::vector<uint8_t>(file.begin() + 44, file.begin() + 44 + data);
}

// Samples per cycle of the dominant tone, from the upward crossings of the
// zero line (128) between the first and the last crossing.
inline double SamplesPerCycle(const std::vector<uint8_t>& s) {
  std::vector<size_t> ups;
  for (size_t i = 1; i < s.size(); ++i)
    if (s[i - 1] < 128 && s[i] >= 128) ups.push_back(i);
  if (ups.size() < 3) return 0;
  return static_cast<double>(ups.back() - ups.front()) / static_cast<double>(ups.size() - 1);
}

// As above for a sound that only rises above the zero line (the sound
// generator adds positive pulses): crossings of the middle of its range.
inline double SamplesPerCycleAbove(const std::vector<uint8_t>& s, int middle) {
  std::vector<size_t> ups;
  for (size_t i = 1; i < s.size(); ++i)
    if (s[i - 1] < middle && s[i] >= middle) ups.push_back(i);
  if (ups.size() < 3) return 0;
  return static_cast<double>(ups.back() - ups.front()) / static_cast<double>(ups.size() - 1);
}

}  // namespace quillor::test
