#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "storage/program_loader.h"
#include "storage/text_input.h"

namespace quillor {
namespace {

using Bytes = std::vector<uint8_t>;

// A memory image whose ROM and device area carry a pattern, so any byte a
// loader puts there shows.
struct Machine64K {
  Machine64K() : memory(0x10000, 0) {
    for (std::size_t a = 0; a < kLowestLoadAddress; ++a) memory[a] = static_cast<uint8_t>(a * 7 + 3);
    memory[0x40A4] = 0xE9;  // BASIC text at 0x42E9, as after a cold start
    memory[0x40A5] = 0x42;
  }
  MemoryImage Image() { return MemoryImage(memory.data(), 0x10000); }
  bool RomIntact() const {
    for (std::size_t a = 0; a < kLowestLoadAddress; ++a) {
      if (memory[a] != static_cast<uint8_t>(a * 7 + 3)) return false;
    }
    return true;
  }
  int32_t Load(const Bytes& file, bool probe = false) { return LoadProgramImage(file, probe, Image(), cpu); }
  std::vector<uint8_t> memory;
  CpuState cpu;
};

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Counting(std::size_t n, uint8_t first = 1) {
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(first + i);
  return out;
}

TEST(LoadCmd, DataRecordLengthsAndEntry) {
  Machine64K m;
  // Length 2 copies 256 bytes, 3 one byte, 0 copies 254; a leading zero
  // byte is a record type of its own and skipped with its length.
  const Bytes file = Concat({{0x00, 0x01, 0xEE},
                             {0x01, 0x02, 0x00, 0x50},
                             Counting(256),
                             {0x01, 0x03, 0x00, 0x60, 0x99},
                             {0x01, 0x00, 0x00, 0x70},
                             Counting(254, 9),
                             {0x05, 0x02, 0xAA, 0xBB},
                             {0x02, 0x02, 0x34, 0x52},
                             {0x01, 0x03, 0x00, 0x61, 0x77}});  // after the entry: ignored
  EXPECT_EQ(m.Load(file), 0x5234);
  EXPECT_TRUE(std::equal(m.memory.begin() + 0x5000, m.memory.begin() + 0x5100, Counting(256).begin()));
  EXPECT_EQ(m.memory[0x6000], 0x99);
  EXPECT_EQ(m.memory[0x6001], 0x00);
  EXPECT_TRUE(std::equal(m.memory.begin() + 0x7000, m.memory.begin() + 0x70FE, Counting(254, 9).begin()));
  EXPECT_EQ(m.memory[0x70FE], 0x00);
  EXPECT_EQ(m.memory[0x6100], 0x00);
}

TEST(LoadCmd, BlocksAreCutAtTheRomAndAtTheTopOfMemory) {
  Machine64K m;
  const Bytes file = Concat({{0x01, 0x02, 0x80, 0x3B},
                             Counting(256),  // 0x3B80-0x3C7F
                             {0x01, 0x02, 0xF0, 0xFF},
                             Counting(256),  // would wrap to 0x0000
                             {0x02, 0x02, 0x00, 0x3C}});
  EXPECT_EQ(m.Load(file), 0x3C00);
  EXPECT_TRUE(m.RomIntact());
  EXPECT_EQ(m.memory[0x3C00], 0x81);  // byte 128 of the block
  EXPECT_EQ(m.memory[0x3C7F], 0x00);  // byte 255 (wrapped 8-bit count)
  EXPECT_EQ(m.memory[0xFFF0], 0x01);
  EXPECT_EQ(m.memory[0xFFFF], 0x10);
}

TEST(LoadCmd, WithoutEntryOrTruncatedGivesMinusOneButKeepsData) {
  Machine64K m;
  EXPECT_EQ(m.Load({0x01, 0x04, 0x00, 0x50, 0xAB, 0xCD}), kNotAProgram);
  EXPECT_EQ(m.memory[0x5000], 0xAB);
  EXPECT_EQ(m.Load({0x01, 0x10, 0x00, 0x51, 0x11, 0x22}), kNotAProgram);  // data cut short
  EXPECT_EQ(m.memory[0x5101], 0x22);
  EXPECT_EQ(m.Load({0x01, 0x10, 0x00}), kNotAProgram);
  EXPECT_EQ(m.Load({0x02, 0x02, 0x34}), kNotAProgram);  // entry cut short
  EXPECT_EQ(m.Load({0x1F, 0xFF}), kNotAProgram);
  EXPECT_TRUE(m.RomIntact());
}

Bytes SystemTape(const Bytes& blocks) {
  return Concat({Bytes(20, 0x00), {0xA5, 0x55, 'G', 'A', 'M', 'E', ' ', ' '}, blocks});
}

TEST(LoadSystemTape, BlocksStrayBytesAndEntry) {
  Machine64K m;
  const Bytes file = SystemTape(Concat({{0x3C, 0x00, 0x00, 0x60},
                                        Counting(256),
                                        {0x00},
                                        {0x11},  // stray byte between blocks
                                        {0x3C, 0x02, 0x00, 0x3B, 0xAA, 0xBB, 0x00},  // below video: dropped
                                        {0x3C, 0x02, 0xFF, 0xFF, 0x44, 0x55, 0x00},  // 0x10000 is cut
                                        {0x78, 0x00, 0x60}}));
  EXPECT_EQ(m.Load(file), 0x6000);
  EXPECT_TRUE(std::equal(m.memory.begin() + 0x6000, m.memory.begin() + 0x6100, Counting(256).begin()));
  EXPECT_EQ(m.memory[0xFFFF], 0x44);
  EXPECT_TRUE(m.RomIntact());
  // Without the 0xA5 the 0x55 header is recognised too.
  EXPECT_EQ(m.Load(Concat({{0x55, 'A', 'B', 'C', 'D', 'E', 'F', 0x78, 0x21, 0x43}})), 0x4321);
}

TEST(LoadSystemTape, TruncatedAnywhereGivesMinusOne) {
  const Bytes full = SystemTape(Concat({{0x3C, 0x04, 0x00, 0x70, 1, 2, 3, 4, 0x00}, {0x78, 0x00, 0x70}}));
  for (std::size_t n = 0; n + 1 < full.size(); ++n) {
    Machine64K m;
    EXPECT_EQ(m.Load(Bytes(full.begin(), full.begin() + static_cast<long>(n))), kNotAProgram) << n;
    EXPECT_TRUE(m.RomIntact());
  }
}

TEST(LoadBasic, TapeAndDiskFormsLoadAtTheTextStart) {
  const Bytes program = Counting(40, 0x20);
  for (const Bytes& file :
       {Concat({{0x00, 0x00, 0xA5, 0xD3, 0xD3, 0xD3, 0x41}, program}), Concat({{0xFF}, program})}) {
    Machine64K m;
    m.cpu.PC = 0x1234;
    EXPECT_EQ(m.Load(file, true), kBasicProgram);  // probing loads nothing
    EXPECT_EQ(m.memory[0x42E9], 0x00);
    EXPECT_EQ(m.cpu.PC, 0x1234);
    EXPECT_EQ(m.Load(file), kBasicProgram);
    EXPECT_TRUE(std::equal(program.begin(), program.end(), m.memory.begin() + 0x42E9));
    EXPECT_EQ(m.memory[0x40F9] | m.memory[0x40FA] << 8, 0x42E9 + 40);
    EXPECT_EQ(m.cpu.DE(), 0x42E9);
    EXPECT_EQ(m.cpu.PC, kBasicRelinkEntry);
  }
}

TEST(LoadBasic, ProgramRunningPastTheTopIsCutThere) {
  Machine64K m;
  m.memory[0x40A4] = 0xF0;
  m.memory[0x40A5] = 0xFF;
  EXPECT_EQ(m.Load(Concat({{0xFF}, Counting(64)})), kBasicProgram);
  EXPECT_TRUE(m.RomIntact());
  EXPECT_EQ(m.memory[0xFFFF], 16);
}

TEST(LoadProgram, NotProgramsGiveMinusOne) {
  for (const Bytes& file : std::initializer_list<Bytes>{{},
                                                        {0x00, 0x00, 0x00},
                                                        {0x00, 0xFF},
                                                        {0x55},
                                                        {0xA5},
                                                        {0xA5, 0x01, 0x00},
                                                        {0xA5, 0xD3, 0xD3, 0x41, 0x00},
                                                        {0xA5, 0xD3, 0xD3, 0xD3},
                                                        {0x3C, 0x00, 0x00},
                                                        {0x20, 0x01, 0x02},
                                                        {0x80, 0x00}}) {
    Machine64K m;
    EXPECT_EQ(m.Load(file), kNotAProgram) << file.size();
    EXPECT_TRUE(m.RomIntact());
  }
  Machine64K m;
  EXPECT_EQ(LoadProgramFile(QUILLOR_TEST_TMP "/missing.cmd", false, m.Image(), m.cpu), kNotAProgram);
}

TEST(TextInput, CrLfPairsTypeEachLineOnceThenTheKeyboardTakesOver) {
  const std::string path = std::string(QUILLOR_TEST_TMP) + "/typed.txt";
  std::filesystem::create_directories(QUILLOR_TEST_TMP);
  std::ofstream(path, std::ios::binary) << "10 PRINT\r\n20 END\r\n\xC3\xA9";
  TextInput input;
  ASSERT_TRUE(input.Start(path));
  CpuState cpu;
  cpu.PC = 0x1000;
  input.Step(cpu);  // only at the key-wait entry
  EXPECT_EQ(cpu.PC, 0x1000);

  std::string typed;
  for (int calls = 0; calls < 100 && input.Active(); ++calls) {
    cpu.PC = kKeyWaitEntry;
    input.Step(cpu);
    if (!input.Active()) break;
    EXPECT_EQ(cpu.PC, kKeyWaitAfterScan);
    if (cpu.A != 0) typed += static_cast<char>(cpu.A);  // the ROM loops over zeros
  }
  EXPECT_EQ(typed, "10 PRINT\r20 END\r");
  EXPECT_FALSE(input.Active());
  EXPECT_EQ(cpu.PC, kKeyWaitEntry);  // the last call runs the real routine
  EXPECT_FALSE(input.Start(path + ".missing"));
}

}  // namespace
}  // namespace quillor
