#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "frontend/save_memory.h"
#include "storage/file_bytes.h"
#include "storage/program_loader.h"

namespace quillor {
namespace {

TEST(TestHex, AcceptsFourDigitsOptionallyAfterLowerCaseOx) {
  bool error = false;
  EXPECT_EQ(TestHex("0x4200", error), 0x4200);
  EXPECT_EQ(TestHex("4200", error), 0x4200);
  EXPECT_EQ(TestHex("42001", error), 0x4200);
  EXPECT_EQ(TestHex("ABCD", error), 0xABCD);
  EXPECT_EQ(TestHex("abcd", error), 0xABCD);
  EXPECT_EQ(TestHex("FFFF", error), 0xFFFF);
  EXPECT_FALSE(error);
  for (const char* bad : {"0X4200", "420", "0x420", "", "42G0", " 4200"}) {
    error = false;
    EXPECT_EQ(TestHex(bad, error), -1) << bad;
    EXPECT_TRUE(error) << bad;
  }
}

TEST(SaveMemory, NamesFollowTheFileName) {
  EXPECT_EQ(SaveMemoryFileName("/tmp/game.dat"), "/tmp/game.cas");
  EXPECT_EQ(SaveMemoryFileName("/tmp/game"), "/tmp/game.cas");
  EXPECT_EQ(TapeProgramName("/tmp/game.cas"), "GAME  ");
  EXPECT_EQ(TapeProgramName("/x.y/adventure.cas"), "ADVENT");
  EXPECT_EQ(TapeProgramName("ab.cas"), "AB    ");
}

std::vector<uint8_t> Pattern() {
  std::vector<uint8_t> memory(0x10000);
  for (std::size_t a = 0; a < memory.size(); ++a) memory[a] = static_cast<uint8_t>(a ^ a >> 8);
  return memory;
}

TEST(SaveMemory, BlockLayoutAndChecksums) {
  const auto memory = Pattern();
  const PeekFunction peek = [&](uint16_t a) { return memory[a]; };
  auto tape = BuildMemoryTape("GAME  ", 0x4000, 0x4001, 0x4200, peek);
  ASSERT_EQ(tape.size(), 255u + 2 + 6 + 6 + 3);
  EXPECT_EQ(tape[255], 0xA5);
  EXPECT_EQ(tape[256], 0x55);
  const std::vector<uint8_t> block(tape.begin() + 263, tape.end());
  EXPECT_EQ(block, (std::vector<uint8_t>{0x3C, 0x01, 0x00, 0x40, memory[0x4000],
                                         static_cast<uint8_t>(0x40 + memory[0x4000]), 0x78, 0x00, 0x42}));

  tape = BuildMemoryTape("GAME  ", 0x4000, 0x4200, 0x4200, peek);
  ASSERT_EQ(tape.size(), 263u + 2 * 261 + 3);
  EXPECT_EQ(tape[263 + 1], 0x00);
  EXPECT_EQ(tape[263 + 261 + 1], 0x00);
  EXPECT_EQ(tape[263 + 261 + 3], 0x41);

  // From at or above To still saves the one byte at From.
  tape = BuildMemoryTape("GAME  ", 0x5000, 0x4000, 0x0000, peek);
  EXPECT_EQ(tape.size(), 263u + 6 + 3);
  EXPECT_EQ(tape[263 + 4], memory[0x5000]);
}

TEST(SaveMemory, WrittenImageLoadsBackToTheSameBytesAndEntry) {
  std::filesystem::create_directories(QUILLOR_TEST_TMP);
  const auto memory = Pattern();
  const std::string path = SaveMemoryToCassette(QUILLOR_TEST_TMP "/dump.dat", 0x5001, 0x7234, 0x5A5A,
                                                [&](uint16_t a) { return memory[a]; });
  ASSERT_EQ(path, QUILLOR_TEST_TMP "/dump.cas");
  std::vector<uint8_t> loaded(0x10000, 0);
  CpuState cpu;
  EXPECT_EQ(LoadProgramFile(path, false, MemoryImage(loaded.data(), 0x10000), cpu), 0x5A5A);
  EXPECT_TRUE(std::equal(memory.begin() + 0x5001, memory.begin() + 0x7234, loaded.begin() + 0x5001));
  EXPECT_EQ(loaded[0x5000], 0);
  EXPECT_EQ(loaded[0x7234], 0);
  EXPECT_EQ(SaveMemoryToCassette(QUILLOR_TEST_TMP "/no/dir/x", 0, 1, 0, [](uint16_t) { return 0; }), "");
}

}  // namespace
}  // namespace quillor
