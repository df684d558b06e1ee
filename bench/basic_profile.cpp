// Where the built-in ROM's BASIC spends its time: types a .bas program at
// the prompt, RUNs it and steps the machine one instruction at a time,
// adding each instruction's T-states to the ROM routine that holds its PC.
// Routines come from pasmo's symbol file of ROM12K; an internal label
// (Name_word) counts for its routine (Name). Self time only; "entries"
// counts the instructions run at the routine's own address (calls, jumps
// and fall-throughs into it).
//   build/bench/quillor-basic-profile bench/basic/BM2.bas [rows]
// The production processor loop is not used for the measured run, so it
// carries no hook for this.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/screen_text.h"
#include "cpu/execute_step.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

constexpr int kRomSize = 0x3000;
constexpr int kMaxFrames = 25 * 600;  // ten minutes of machine time

// The routine of every ROM address, from the symbol file.
struct RoutineMap {
  std::vector<std::string> names;         // index = routine
  std::array<int, kRomSize> routineOf{};  // address -> index, -1 for none
  std::array<int, kRomSize> entryOf{};    // a routine's own address -> index, else -1
};

bool HasLowerCase(const std::string& s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// Lines of the form "Name EQU 01234H". Upper-case names are the constants,
// RAM cells and fixed entry-point names of the .inc files; routines and
// their labels are mixed case.
bool ReadRoutines(const std::string& path, RoutineMap& map) {
  std::ifstream file(path);
  if (!file) return false;
  struct Label {
    std::string routine;
    bool entry;  // the routine's own name, not an internal label
  };
  std::map<int, Label> byAddress;
  std::string name, equ, value;
  while (file >> name >> equ >> value) {
    if (equ != "EQU" || !HasLowerCase(name) || value.empty()) continue;
    const int address = static_cast<int>(std::strtol(value.c_str(), nullptr, 16));
    if (address < 0 || address >= kRomSize) continue;
    const std::string routine = name.substr(0, name.find('_'));
    auto [it, added] = byAddress.emplace(address, Label{routine, name == routine});
    if (!added && name == routine) it->second = Label{routine, true};  // a routine wins
  }
  std::map<std::string, int> index;
  map.routineOf.fill(-1);
  map.entryOf.fill(-1);
  auto next = byAddress.begin();
  int current = -1;
  for (int a = 0; a < kRomSize; ++a) {
    if (next != byAddress.end() && next->first == a) {
      auto [it, added] = index.emplace(next->second.routine, static_cast<int>(map.names.size()));
      if (added) map.names.push_back(next->second.routine);
      current = it->second;
      if (next->second.entry) map.entryOf[a] = current;
      ++next;
    }
    map.routineOf[a] = current;
  }
  return !map.names.empty();
}

std::string ProgramText(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  std::string typed;
  for (const char c : text.str()) typed += c == '\n' ? '\r' : c;
  return typed;
}

void Type(Emulator& emu, const std::string& text) {
  emu.textInput.StartWithText(std::vector<uint8_t>(text.begin(), text.end()));
}

// Per routine T-states; the rest (RAM, the second ROM) in one bin.
struct Profile {
  std::vector<uint64_t> tstates;
  std::vector<uint64_t> entries;
  uint64_t outside = 0;
  uint64_t total = 0;
};

// One frame of the plain loop: one instruction, then every device, as
// tests/system/stepping_equivalence_test.cpp's reference loop does, with
// each step's T-states charged to the routine at the step's PC.
void ProfiledFrame(Emulator& e, const RoutineMap& map, Profile& profile) {
  SchedulerState& s = e.scheduler;
  const int limit = static_cast<int>(std::floor(kFrameTStates * s.SpeedFactor));
  for (;;) {
    e.textInput.Step(e.cpu);
    const uint16_t pc = e.cpu.PC;
    ExecuteStep(e.cpu, e);
    const int n = e.machine.StepTStates;
    const int routine = pc < kRomSize ? map.routineOf[pc] : -1;
    if (routine >= 0) {
      profile.tstates[routine] += n;
      if (map.entryOf[pc] == routine) ++profile.entries[routine];
    } else {
      profile.outside += n;
    }
    profile.total += n;
    s.FrameTStates += n;
    s.SampleTStates += n;
    s.SoundGeneratorTStates += n;
    s.InterruptTStates += n;
    e.cassette.AfterStep(n);
    e.keys.Advance(e.machine, n);
    if (s.SoundGeneratorTStates >= SoundGenerator::kStepTStates) {
      s.SoundGeneratorTStates -= SoundGenerator::kStepTStates;
      e.soundGenerator.SoundGeneratorStep();
    }
    if (s.InterruptTStates >= kTimerInterruptTStates) {
      s.InterruptTStates -= kTimerInterruptTStates;
      e.RaiseInterrupt(kTimerInterrupt);
    }
    if (s.SampleTStates >= kSampleTStates) {
      s.SampleTStates -= kSampleTStates;
      if (e.fdc.ServiceDue()) {
        e.fdc.FdcService();
        if (e.fdc.TakeInterrupt()) e.RaiseInterrupt(kDiskInterrupt);
      }
      if (e.sound.Enabled()) e.ProduceSoundSample();
    }
    if (s.FrameTStates > limit) break;
  }
  e.FinishTick();
}

bool ReadyShown(Emulator& emu, const std::string& after) {
  const std::string screen = cli::ScreenText(emu);
  const size_t from = screen.find(after);
  return from != std::string::npos && screen.find("READY\n>", from) != std::string::npos;
}

int Run(const std::string& programPath, size_t rows) {
  RoutineMap map;
  if (!ReadRoutines(QUILLOR_ROM12K_SYMBOLS, map)) {
    std::fprintf(stderr, "cannot read %s\n", QUILLOR_ROM12K_SYMBOLS);
    return 1;
  }
  const std::string program = ProgramText(programPath);
  if (program.empty()) {
    std::fprintf(stderr, "cannot read %s\n", programPath.c_str());
    return 1;
  }
  auto emulator = std::make_unique<Emulator>();
  Emulator& emu = *emulator;
  emu.FormCreate();
  emu.FinishStartUp(kDefaultModel);
  emu.AssumeTimerOnTime();
  Type(emu, program + "CLS\r");
  int frames = 0;
  while (frames < kMaxFrames && (emu.textInput.Active() || !ReadyShown(emu, ""))) {
    emu.Timer1Timer();
    ++frames;
  }
  if (frames == kMaxFrames) {
    std::fprintf(stderr, "the program was not taken\n");
    return 1;
  }
  // The text input stays active until the ROM waits for a key again, which
  // is at the prompt after the program has ended.
  Profile profile;
  profile.tstates.assign(map.names.size(), 0);
  profile.entries.assign(map.names.size(), 0);
  Type(emu, "RUN\r");
  for (frames = 0; emu.textInput.Active() && frames < kMaxFrames; ++frames) ProfiledFrame(emu, map, profile);
  const std::string screen = cli::ScreenText(emu);
  if (!ReadyShown(emu, ">RUN\n") || screen.find("ERROR") != std::string::npos) {
    std::fprintf(stderr, "the program did not end at READY:\n%s\n", screen.c_str());
    return 1;
  }

  std::vector<int> order(map.names.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(),
            [&](int a, int b) { return profile.tstates[a] > profile.tstates[b]; });
  std::printf("%s: %llu T-states from RUN to READY (%d frames, %.2f s)\n", programPath.c_str(),
              static_cast<unsigned long long>(profile.total), frames, frames * 0.04);
  const double total = static_cast<double>(profile.total);
  std::printf("  share     T-states     entries  T/entry  routine\n");
  for (size_t i = 0; i < std::min(rows, order.size()) && profile.tstates[order[i]] > 0; ++i) {
    const int r = order[i];
    const uint64_t entries = profile.entries[r];
    std::printf("%6.2f%% %12llu %11llu %8.0f  %s\n", 100.0 * profile.tstates[r] / total,
                static_cast<unsigned long long>(profile.tstates[r]), static_cast<unsigned long long>(entries),
                entries ? static_cast<double>(profile.tstates[r]) / entries : 0.0, map.names[r].c_str());
  }
  if (profile.outside > 0)
    std::printf("%6.2f%% %12llu  (outside ROM12K)\n", 100.0 * profile.outside / total,
                static_cast<unsigned long long>(profile.outside));
  return 0;
}

}  // namespace
}  // namespace quillor

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s program.bas [rows]\n", argv[0]);
    return 2;
  }
  const long rows = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 20;
  return quillor::Run(argv[1], rows > 0 ? static_cast<size_t>(rows) : 20);
}
