// The whole emulated machine for system tests: an Emulator with a recording
// host, started as one of the five models and run frame by frame with the
// built-in ROMs. Input goes in through the text-input hook at the key wait
// or through the keyboard matrix; output is read back from video memory,
// the printer's paper and the files the recorder wrote.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "cli/screen_text.h"
#include "cli/typing.h"
#include "fakes/recording_host.h"
#include "machine/emulator.h"

namespace quillor::test {

// Bounds for the waits below; generous, since only the outcome is checked.
inline constexpr int kBootFrames = 200;
inline constexpr int kCommandFrames = 3000;

class RunningMachine {
 public:
  // Powers the machine on as model; the ROM is not run yet (see Boot).
  // The colour board, enabled as the emulator starts, gives the 16K models
  // the upper 32K as well.
  explicit RunningMachine(int model = kDefaultModel, bool colourBoard = true)
      : emulator_(std::make_unique<Emulator>(host.Hosts())), emu(*emulator_) {
    emu.FormCreate();
    emu.display.colourBoard.SetEnabled(colourBoard);
    emu.FinishStartUp(model);
    emu.AssumeTimerOnTime();
  }

  // Runs the cold start until the command level shows its prompt.
  bool Boot() { return RunUntilScreenShows("READY\n>", kBootFrames); }

  void RunFrames(int frames) {
    for (int i = 0; i < frames; ++i) emu.Timer1Timer();
  }
  // Runs frames until done() holds; false when it still does not after
  // maxFrames.
  bool RunUntil(const std::function<bool()>& done, int maxFrames = kCommandFrames) {
    for (int i = 0; i < maxFrames; ++i) {
      if (done()) return true;
      emu.Timer1Timer();
    }
    return done();
  }
  bool RunUntilScreenShows(std::string_view text, int maxFrames = kCommandFrames) {
    return RunUntil([&] { return Screen().find(text) != std::string::npos; }, maxFrames);
  }

  // Types text through the key-wait hook and runs until the ROM asks for a
  // key after the last character, which is when the last command is done.
  bool Type(std::string_view text, int maxFrames = kCommandFrames) {
    emu.textInput.StartWithText(std::vector<uint8_t>(text.begin(), text.end()));
    return RunUntil([&] { return !emu.textInput.Active(); }, maxFrames);
  }
  // Presses and releases keys on the matrix, as a user does.
  void PressKeys(std::string_view text) {
    const cli::TypedKeys keys = cli::KeysForText(text);
    ASSERT_TRUE(keys.error.empty()) << keys.error;
    cli::TypeKeys(emu, keys.chords);
  }

  std::string Screen() { return cli::ScreenText(emu); }
  uint8_t Byte(uint16_t a) const { return emu.machine.memory[a]; }
  uint16_t Word(uint16_t a) const { return emu.machine.memory[a] | emu.machine.memory[uint16_t(a + 1)] << 8; }
  void Store(uint16_t address, std::span<const uint8_t> bytes) {
    for (const uint8_t b : bytes) emu.machine.memory[address++] = b;
  }
  // Leaves the command level for a program in RAM (the ROM is idle in its
  // key wait between frames, so nothing is cut short).
  void Start(uint16_t address, std::span<const uint8_t> program) {
    Store(address, program);
    emu.cpu.PC = address;
  }
  uint16_t BasicStart() const { return Word(0x40A4); }
  uint16_t BasicEnd() const { return Word(0x40F9); }
  std::vector<uint8_t> ProgramText() const {
    return {emu.machine.memory.begin() + BasicStart(), emu.machine.memory.begin() + BasicEnd()};
  }

  testing::RecordingHost host;

 private:
  std::unique_ptr<Emulator> emulator_;

 public:
  Emulator& emu;
};

}  // namespace quillor::test
