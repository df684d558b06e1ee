// The built-in ROM images keep the machine's documented entry points:
// programs, tapes and disk systems call these addresses directly.
#include "resources/embedded_resources.h"
#include "rom/rom12k_symbols.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillor {
namespace {

constexpr uint8_t kJp = 0xC3;

std::span<const uint8_t> Image(std::string_view name) { return FindEmbeddedResource(name); }

uint16_t Word(std::span<const uint8_t> image, size_t offset) {
  return static_cast<uint16_t>(image[offset] | (image[offset + 1] << 8));
}

bool ContainsText(std::span<const uint8_t> image, std::string_view text) {
  const std::string bytes(image.begin(), image.end());
  return bytes.find(text) != std::string::npos;
}

class SystemRomImage : public ::testing::TestWithParam<const char*> {};

TEST_P(SystemRomImage, HasTheSizeOfTheMainRom) { EXPECT_EQ(Image(GetParam()).size(), 12288u); }

// Restarts jump through their RAM vectors; the entries whose bodies live
// elsewhere are jumps into this ROM.
TEST_P(SystemRomImage, RestartsGoThroughTheirRamVectors) {
  const auto rom = Image(GetParam());
  ASSERT_EQ(rom.size(), 12288u);
  const struct {
    uint16_t address, vector;
  } restarts[] = {{0x08, 0x4000}, {0x10, 0x4003}, {0x18, 0x4006}, {0x20, 0x4009},
                  {0x28, 0x400C}, {0x30, 0x400F}, {0x38, 0x4012}};
  for (const auto& r : restarts) {
    EXPECT_EQ(rom[r.address], kJp) << std::hex << r.address;
    EXPECT_EQ(Word(rom, r.address + 1), r.vector) << std::hex << r.address;
  }
}

// (Some routines begin at their entry instead, where the room after it
// holds them: the system tests call those entries.)
TEST_P(SystemRomImage, FixedEntriesAreJumpsIntoTheRom) {
  const auto rom = Image(GetParam());
  ASSERT_EQ(rom.size(), 12288u);
  for (const uint16_t entry : {0x0040, 0x022C, 0x0287, 0x0296, 0x02B2, 0x0314, 0x0FAF, 0x1EA3}) {
    EXPECT_EQ(rom[entry], kJp) << std::hex << entry;
    EXPECT_LT(Word(rom, entry + 1), 0x3000) << std::hex << entry;
  }
}

// The emulator's text input sets A and continues at 004C, the instruction
// after the scan call at 0049, so this exact shape is relied on.
TEST_P(SystemRomImage, KeyWaitHasTheShapeTheTextInputRelies) {
  const auto rom = Image(GetParam());
  ASSERT_EQ(rom.size(), 12288u);
  EXPECT_EQ(rom[0x49], 0xCD);  // CALL 002B
  EXPECT_EQ(Word(rom, 0x4A), 0x002B);
  EXPECT_EQ(rom[0x4C], 0xB7);  // OR A
  EXPECT_EQ(rom[0x4D], 0xC0);  // RET NZ
  EXPECT_EQ(rom[0x4E], 0x18);  // JR 0049
  EXPECT_EQ(0x4F + static_cast<int8_t>(rom[0x4F]) + 1, 0x49);
}

TEST_P(SystemRomImage, DeviceEntriesPassTheirControlBlocks) {
  const auto rom = Image(GetParam());
  ASSERT_EQ(rom.size(), 12288u);
  const struct { uint16_t entry, dcb; } devices[] = {{0x2B, 0x4015}, {0x33, 0x401D}, {0x3B, 0x4025}};
  for (const auto& d : devices) {
    EXPECT_EQ(rom[d.entry], 0x11) << std::hex << d.entry;  // LD DE,dcb
    EXPECT_EQ(Word(rom, d.entry + 1), d.dcb) << std::hex << d.entry;
  }
  // 0060: DEC BC / LD A,B / OR C / JR NZ: 26 T-states per count.
  EXPECT_EQ(rom[0x60], 0x0B);
  EXPECT_EQ(rom[0x61], 0x78);
  EXPECT_EQ(rom[0x62], 0xB1);
  EXPECT_EQ(rom[0x63], 0x20);
}

TEST_P(SystemRomImage, IdentifiesItselfAsNotTheLaterModel) {
  const auto rom = Image(GetParam());
  ASSERT_EQ(rom.size(), 12288u);
  EXPECT_NE(rom[0x125], 0x49);
  EXPECT_TRUE(ContainsText(rom, "QUILLOR"));
}

INSTANTIATE_TEST_SUITE_P(Models, SystemRomImage, ::testing::Values("ROM12K", "ROM12KS3"));

class MonitorRomImage : public ::testing::TestWithParam<const char*> {};

TEST_P(MonitorRomImage, FitsTheVisiblePartOfTheSecondRom) {
  const auto rom = Image(GetParam());
  ASSERT_EQ(rom.size(), 2048u);
  // 3780h-37FFh is hidden behind the registers: nothing may live there.
  for (size_t i = 0x780; i < 0x800; ++i) EXPECT_EQ(rom[i], 0xFF) << i;
  EXPECT_TRUE(ContainsText(rom, "QUILLOR MONITOR"));
}

// The system ROM's messages lie in the second ROM (the first has no room):
// every variant must hold them where the system ROM reads them.
TEST_P(MonitorRomImage, HoldsTheSystemRomMessagesWhereItReadsThem) {
  const auto rom = Image(GetParam());
  ASSERT_EQ(rom.size(), 2048u);
  const auto text_at = [&](uint16_t address, size_t length) {
    return std::string(rom.begin() + (address - 0x3000), rom.begin() + (address - 0x3000 + length));
  };
  EXPECT_EQ(text_at(rom12k::ErrorLetters, 6), "NFSNRG");
  EXPECT_EQ(text_at(rom12k::ErrorWord, 7), std::string(" ERROR\0", 7));
  EXPECT_EQ(text_at(rom12k::InText, 5), std::string(" IN \0", 5));
  EXPECT_EQ(text_at(rom12k::NoBootText, 27), std::string("NO SYSTEM DISK IN DRIVE 0\r\0", 27));
  EXPECT_EQ(text_at(rom12k::NotBasicText, 19), std::string("?NOT A BASIC TAPE\r\0", 19));
  EXPECT_EQ(text_at(rom12k::NotSystemText, 20), std::string("?NOT A SYSTEM TAPE\r\0", 20));
  EXPECT_EQ(text_at(rom12k::ChecksumText, 17), std::string("?CHECKSUM ERROR\r\0", 17));
  EXPECT_EQ(text_at(rom12k::ExtraText, 16), std::string("?EXTRA IGNORED\r\0", 16));
  EXPECT_EQ(text_at(rom12k::RedoText, 7), std::string("?REDO\r\0", 7));
  EXPECT_EQ(text_at(rom12k::BytesFreeText, 13), std::string(" BYTES FREE\r\0", 13));
  EXPECT_EQ(text_at(rom12k::ReadyText, 7), std::string("READY\r\0", 7));
  EXPECT_EQ(text_at(rom12k::MoreText, 4), std::string("?? \0", 4));
  EXPECT_EQ(text_at(rom12k::QuestionText, 3), std::string("? \0", 3));
}

INSTANTIATE_TEST_SUITE_P(Models, MonitorRomImage, ::testing::Values("ROM2K", "ROM2KS2", "ROM2KS3"));

}  // namespace
}  // namespace quillor
