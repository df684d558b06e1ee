// The five configurations of the machine.
#pragma once

#include <array>
#include <string_view>

namespace quillor {

enum class RomFamily { A, B, C };

struct ModelInfo {
  std::string_view menuItem;
  std::string_view caption;
  std::string_view mainRom;    // 12288 bytes at 0x0000
  std::string_view secondRom;  // 2048 bytes at 0x3000
  std::string_view characterGenerator;
  int characterVariant;
  RomFamily family;
  // False: the upper 32 KB reads back only while the colour board is enabled.
  bool upperMemoryAlways;
};

inline constexpr int kModelCount = 5;
inline constexpr int kDefaultModel = 1;
// The one model whose video RAM keeps all eight bits.
inline constexpr int kModelSixtyFour = 4;

inline constexpr std::array<ModelInfo, kModelCount> kModels{{
    {"ModelA1", "HT-1080Z Series I with 16K Ram", "ROM12K", "ROM2K", "CHRGENS1", 0, RomFamily::A, false},
    {"ModelA2", "HT-1080Z Series I with 48K Ram", "ROM12K", "ROM2K", "CHRGENS1", 0, RomFamily::A, true},
    {"ModelB1", "HT-1080Z Series II with 16K Ram", "ROM12K", "ROM2KS2", "CHRGENS2", 1, RomFamily::B, false},
    {"ModelB2", "HT-1080Z Series II with 48K Ram", "ROM12K", "ROM2KS2", "CHRGENS2", 1, RomFamily::B, true},
    {"ModelC", "HT-1080Z/64", "ROM12KS3", "ROM2KS3", "CHRGENS3", 2, RomFamily::C, true},
}};

inline constexpr bool ValidModel(int model) { return model >= 0 && model < kModelCount; }

}  // namespace quillor
