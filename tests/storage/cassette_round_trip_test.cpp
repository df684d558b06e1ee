// A recording made by a Z80 program through port 0xFF, played back into a
// second Z80 program that decodes it: the recorder's two directions agree
// with each other and with a tape routine's timing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cpu/execute_step.h"
#include "storage/cassette_deck.h"
#include "storage/file_bytes.h"

namespace quillor {
namespace {

constexpr uint16_t kCountAddress = 0x5FFE;
constexpr uint16_t kWriterOrigin = 0x5000, kWriterData = 0x6000;
constexpr uint16_t kReaderOrigin = 0x5100, kReaderBuffer = 0x7000;

// Flat RAM with the recorder on port 0xFF, as the machine decodes it.
class TapeBus {
 public:
  explicit TapeBus(CassetteDeck& deck) : memory(0x10000, 0), deck_(deck) {}
  uint8_t ReadMemory(uint16_t address, int tstates) {
    stepTStates_ += tstates;
    return memory[address];
  }
  void WriteMemory(uint16_t address, uint8_t value, int tstates) {
    stepTStates_ += tstates;
    memory[address] = value;
  }
  uint8_t ReadPort(uint16_t port) { return (port & 0xFF) == 0xFF ? deck_.CassettePortRead() : 0xFF; }
  void WritePort(uint16_t port, uint8_t value) {
    if ((port & 0xFF) == 0xFF) deck_.CassettePortWrite(value);
  }
  int& StepTStates() { return stepTStates_; }

  std::vector<uint8_t> memory;

 private:
  CassetteDeck& deck_;
  int stepTStates_ = 0;
};

void LoadProgram(TapeBus& bus, const std::string& name, uint16_t origin) {
  const auto code = ReadFileBytes(std::string(QUILLOR_Z80_PROGRAMS) + "/" + name);
  ASSERT_TRUE(code) << name;
  std::copy(code->begin(), code->end(), bus.memory.begin() + origin);
}

// Runs until HALT, answering the recorder's request for a file name as the
// scheduler does. Returns false if the program never halts.
bool RunUntilHalt(CpuState& cpu, TapeBus& bus, CassetteDeck& deck, const std::string& recordTo) {
  CassettePanelView view;
  for (long steps = 0; steps < 20'000'000; ++steps) {
    ExecuteStep(cpu, bus);
    deck.AfterStep(bus.StepTStates());
    if (deck.SaveRequested()) {
      deck.BeginSaveDialog();
      deck.AcceptSaveFileName(recordTo, view);
    }
    if (cpu.Halted) return true;
  }
  return false;
}

TEST(CassetteRoundTrip, BytesWrittenByOneProgramAreReadByAnother) {
  std::vector<uint8_t> payload{0x55, 'R', 'O', 'U', 'N', 'D', ' ', 0x3C, 0x00, 0xFF, 0xD3, 0xA5, 0x01, 0x80};
  for (int i = 0; i < 50; ++i) payload.push_back(static_cast<uint8_t>(i * 73 + 5));
  std::vector<uint8_t> tape(16, 0x00);
  tape.push_back(0xA5);
  tape.insert(tape.end(), payload.begin(), payload.end());

  // Record.
  std::filesystem::create_directories(QUILLOR_TEST_TMP);
  const std::string path = std::string(QUILLOR_TEST_TMP) + "/round_trip.cas";
  std::filesystem::remove(path);
  CassetteDeck recorder;
  TapeBus writerBus(recorder);
  LoadProgram(writerBus, "tape_write.bin", kWriterOrigin);
  std::copy(tape.begin(), tape.end(), writerBus.memory.begin() + kWriterData);
  writerBus.memory[kCountAddress] = static_cast<uint8_t>(tape.size());
  CpuState writer;
  writer.PC = kWriterOrigin;
  writer.SP = 0xF000;
  ASSERT_TRUE(RunUntilHalt(writer, writerBus, recorder, path));
  EXPECT_FALSE(recorder.Recording());
  const auto recorded = ReadFileBytes(path);
  ASSERT_TRUE(recorded);
  EXPECT_EQ(*recorded, tape);

  // Play back.
  CassetteDeck player;
  ASSERT_TRUE(player.OpenMediaImage(path));
  TapeBus readerBus(player);
  LoadProgram(readerBus, "tape_read.bin", kReaderOrigin);
  readerBus.memory[kCountAddress] = static_cast<uint8_t>(payload.size());
  CpuState reader;
  reader.PC = kReaderOrigin;
  reader.SP = 0xF000;
  ASSERT_TRUE(RunUntilHalt(reader, readerBus, player, path + ".unused"));
  const std::vector<uint8_t> decoded(
      readerBus.memory.begin() + kReaderBuffer,
      readerBus.memory.begin() + kReaderBuffer + static_cast<long>(payload.size()));
  EXPECT_EQ(decoded, payload);
  EXPECT_FALSE(std::filesystem::exists(path + ".unused"));
}

}  // namespace
}  // namespace quillor
