// The processor loop runs instructions in stretches up to the next T-state at
// which a device falls due. The plain loop it replaced (one instruction, then
// every device in order) is kept here, and both run the same workloads side
// by side: after every frame the whole machine must be the same.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "cpu/execute_step.h"
#include "frontend/save_memory.h"
#include "storage/disk_image_builder.h"
#include "system/rom_programs.h"
#include "system/running_machine.h"

namespace quillor::test {
namespace {

// One instruction, then every device, as the machine's devices define it.
void ReferenceProcessorLoop(Emulator& e) {
  SchedulerState& s = e.scheduler;
  const int limit = static_cast<int>(std::floor(kFrameTStates * s.SpeedFactor));
  for (;;) {
    e.textInput.Step(e.cpu);
    ExecuteStep(e.cpu, e);
    const int n = e.machine.StepTStates;
    s.FrameTStates += n;
    s.SampleTStates += n;
    s.SoundGeneratorTStates += n;
    s.InterruptTStates += n;
    e.cassette.AfterStep(n);
    e.keys.Advance(e.machine, n);
    if (e.cassette.SaveRequested()) e.CassetteSaveDialog();
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
    for (const int address : s.Breakpoints)
      if (address == e.cpu.PC) s.BreakRequest = true;
    if (s.BreakRequest) {
      s.BreakRequest = false;
      s.DebuggerStopped = true;
      e.debugger.DebuggerBreak();
      return;
    }
    if (s.FrameTStates > limit) break;
  }
}

void ReferenceTick(Emulator& e) {
  if (e.scheduler.Paused) {
    e.Timer1Timer();  // a paused tick runs no instruction
    return;
  }
  if (!e.scheduler.DebuggerStopped || e.scheduler.BreakRequest) ReferenceProcessorLoop(e);
  e.FinishTick();
}

// Everything a program, the screen or a file could tell apart.
void ExpectSameMachine(const Emulator& a, const Emulator& b, int frame) {
  ASSERT_TRUE(a.cpu == b.cpu) << "processor differs after frame " << frame << ": PC " << a.cpu.PC
                              << " against " << b.cpu.PC;
  ASSERT_TRUE(a.machine == b.machine) << "memory or machine record differs after frame " << frame;
  const SchedulerState &x = a.scheduler, &y = b.scheduler;
  ASSERT_EQ(x.FrameTStates, y.FrameTStates) << frame;
  ASSERT_EQ(x.SampleTStates, y.SampleTStates) << frame;
  ASSERT_EQ(x.InterruptTStates, y.InterruptTStates) << frame;
  ASSERT_EQ(x.SoundGeneratorTStates, y.SoundGeneratorTStates) << frame;
  ASSERT_EQ(x.DebuggerStopped, y.DebuggerStopped) << frame;
  ASSERT_TRUE(a.fdc.State() == b.fdc.State()) << "disk controller differs after frame " << frame;
  ASSERT_TRUE(a.soundGenerator == b.soundGenerator) << "sound generator differs after frame " << frame;
  ASSERT_EQ(a.textInput.Active(), b.textInput.Active()) << frame;
  const CassetteDeck &c = a.cassette, &d = b.cassette;
  ASSERT_EQ(c.Motor(), d.Motor()) << frame;
  ASSERT_EQ(c.CassettePortRead(), d.CassettePortRead()) << frame;
  ASSERT_EQ(c.OutputLevel(), d.OutputLevel()) << frame;
  ASSERT_EQ(c.Phase(), d.Phase()) << frame;
  ASSERT_EQ(c.BitsLeft(), d.BitsLeft()) << frame;
  ASSERT_EQ(c.TapePosition(), d.TapePosition()) << frame;
  ASSERT_EQ(c.ReelTick(), d.ReelTick()) << frame;
  ASSERT_EQ(c.PulsePending(), d.PulsePending()) << frame;
  ASSERT_EQ(c.PulseTimer(), d.PulseTimer()) << frame;
  ASSERT_EQ(c.Recording(), d.Recording()) << frame;
  ASSERT_EQ(c.RecordLength(), d.RecordLength()) << frame;
  ASSERT_EQ(c.RecordBitCount(), d.RecordBitCount()) << frame;
}

// Two machines, one on the production loop and one on the reference, given
// the same inputs frame by frame.
class SideBySide {
 public:
  explicit SideBySide(int model = kDefaultModel) : fast_(model), plain_(model) {}

  // Applies the same change to both machines.
  void Both(const std::function<void(RunningMachine&)>& change) {
    change(fast_);
    change(plain_);
  }
  // Runs frames on both, comparing after each; stops at the first difference.
  void RunFrames(int frames) {
    for (int i = 0; i < frames; ++i, ++frame_) {
      fast_.emu.Timer1Timer();
      ReferenceTick(plain_.emu);
      ExpectSameMachine(fast_.emu, plain_.emu, frame_);
      if (::testing::Test::HasFatalFailure()) return;
      ASSERT_EQ(fast_.host.submitted, plain_.host.submitted) << "sound differs after frame " << frame_;
    }
  }
  RunningMachine& Fast() { return fast_; }
  RunningMachine& Plain() { return plain_; }

 private:
  RunningMachine fast_, plain_;
  int frame_ = 0;
};

void TypeText(RunningMachine& m, std::string_view text) {
  m.emu.textInput.StartWithText(std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(SteppingEquivalence, BootsToThePromptAndRunsTypedCommands) {
  SideBySide run;
  run.RunFrames(120);
  ASSERT_NE(run.Fast().Screen().find("READY"), std::string::npos);
  run.Both([](RunningMachine& m) { TypeText(m, "10 PRINT \"A\"\rLIST\r"); });
  run.RunFrames(60);
  EXPECT_NE(run.Fast().Screen().find("10 PRINT"), std::string::npos) << run.Fast().Screen();
}

TEST(SteppingEquivalence, LoadsATapeThroughTheRom) {
  std::vector<uint8_t> image(0x300);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 13 + 1);
  image[0] = 0x18;  // 7000 JR $
  image[1] = 0xFE;
  const std::string path = SaveMemoryToCassette(TestFilePath("equivalence.cas"), 0x7000, 0x7300, 0x7000,
                                                [&](uint16_t a) { return image[a - 0x7000]; });
  ASSERT_FALSE(path.empty());
  SideBySide run(0);
  run.RunFrames(100);
  run.Both([&](RunningMachine& m) {
    ASSERT_TRUE(m.emu.cassette.OpenMediaImage(path));
    TypeText(m, "SYSTEM\rEQUIVA\r");
  });
  for (int i = 0; i < 300 && !run.Fast().emu.cassette.Motor(); ++i) run.RunFrames(1);
  ASSERT_TRUE(run.Fast().emu.cassette.Motor());
  // The text is typed: from here the load runs in the loop that leaves the
  // recorder alone between port accesses, as a load started by keys does.
  run.Both([](RunningMachine& m) { m.emu.textInput.Stop(); });
  run.RunFrames(700);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), run.Fast().emu.machine.memory.begin() + 0x7000));
}

TEST(SteppingEquivalence, BootsADiskAndReadsItsSectors) {
  const std::string path = WriteTestFile("equivalence.dsk", BootDiskPrinting("DISK"));
  SideBySide run;
  run.Both([&](RunningMachine& m) {
    ASSERT_TRUE(m.emu.drives.OpenMediaImage(path, 0));
    m.emu.fdc.DiskInserted(0);
  });
  run.RunFrames(150);
  EXPECT_EQ(run.Fast().emu.cpu.PC, kBootSectorEnd);
  EXPECT_NE(run.Fast().Screen().find("DISK"), std::string::npos) << run.Fast().Screen();
}

TEST(SteppingEquivalence, ATapePortAndSoundGeneratorProgramRecordsTheSameBytes) {
  // The sound generator set going, then the ROM's tape writer.
  const uint8_t soundSetUp[] = {
      0x3E, 0x07,        // 4F00 LD A,7      mixer: tones on
      0xD3, 0x1F,        // 4F02 OUT (1Fh),A
      0x3E, 0x38,        // 4F04 LD A,38h
      0xD3, 0x1E,        // 4F06 OUT (1Eh),A
      0x3E, 0x08,        // 4F08 LD A,8      channel A volume
      0xD3, 0x1F,        // 4F0A OUT (1Fh),A
      0x3E, 0x1F,        // 4F0C LD A,1Fh    envelope
      0xD3, 0x1E,        // 4F0E OUT (1Eh),A
      0x3E, 0x0D,        // 4F10 LD A,13     envelope shape
      0xD3, 0x1F,        // 4F12 OUT (1Fh),A
      0x3E, 0x0A,        // 4F14 LD A,0Ah
      0xD3, 0x1E,        // 4F16 OUT (1Eh),A
      0xC3, 0x00, 0x50,  // 4F18 JP 5000h
  };
  const std::string fastFile = TestFilePath("equivalence-fast.cas");
  const std::string plainFile = TestFilePath("equivalence-plain.cas");
  SideBySide run;
  run.RunFrames(100);
  run.Fast().host.dialogAnswers.push_back(FileChoice{fastFile});
  run.Plain().host.dialogAnswers.push_back(FileChoice{plainFile});
  run.Both([&](RunningMachine& m) {
    for (int i = 0; i < 256; ++i) m.emu.machine.memory[0x5100 + i] = static_cast<uint8_t>(i * 37);
    m.Store(kTapeProgramStart, TapeWriter());
    m.Start(0x4F00, soundSetUp);
  });
  run.RunFrames(400);
  EXPECT_EQ(run.Fast().emu.cpu.PC, kTapeProgramEnd);
  const std::vector<uint8_t> recorded = ReadTestFile(fastFile);
  EXPECT_GT(recorded.size(), 256u);
  EXPECT_EQ(recorded, ReadTestFile(plainFile));

  // And back: the motor starts from a program, not from typed text.
  run.Both([&](RunningMachine& m) {
    ASSERT_TRUE(m.emu.cassette.OpenMediaImage(fastFile));
    m.Start(kTapeProgramStart, TapeReader());
  });
  run.RunFrames(400);
  EXPECT_EQ(run.Fast().emu.cpu.PC, kTapeProgramEnd);
  EXPECT_TRUE(std::equal(run.Fast().emu.machine.memory.begin() + 0x5100,
                         run.Fast().emu.machine.memory.begin() + 0x5200,
                         run.Fast().emu.machine.memory.begin() + 0x5200));
}

// The sound generator's counters read back through its data port, periods
// rewritten as it runs (tone B's often below 10), an envelope and noise going,
// and every pass one step longer than two of the generator's (a chain of 45
// index prefixes): with sound off nothing but the port and the frame's end
// looks at the generator, with sound on every sample does.
TEST(SteppingEquivalence, SoundGeneratorCountersReadBackAlikeWithSoundOffAndOn) {
  std::vector<uint8_t> program = {
      0xF3,              // 5000 DI
      0x21, 0x00, 0x60,  // 5001 LD HL,6000h
      0x3E, 0x07,        // 5004 LD A,7        mixer: every tone and noise on
      0xD3, 0x1F,        // 5006 OUT (1Fh),A
      0xAF,              // 5008 XOR A
      0xD3, 0x1E,        // 5009 OUT (1Eh),A
      0x3E, 0x08,        // 500B LD A,8        A by the envelope
      0xD3, 0x1F,        // 500D OUT (1Fh),A
      0x3E, 0x10,        // 500F LD A,10h
      0xD3, 0x1E,        // 5011 OUT (1Eh),A
      0x3E, 0x09,        // 5013 LD A,9        B loud
      0xD3, 0x1F,        // 5015 OUT (1Fh),A
      0x3E, 0x0F,        // 5017 LD A,0Fh
      0xD3, 0x1E,        // 5019 OUT (1Eh),A
      0x3E, 0x0A,        // 501B LD A,10       C softer
      0xD3, 0x1F,        // 501D OUT (1Fh),A
      0x3E, 0x08,        // 501F LD A,08h
      0xD3, 0x1E,        // 5021 OUT (1Eh),A
      0x3E, 0x0B,        // 5023 LD A,11       envelope period 3
      0xD3, 0x1F,        // 5025 OUT (1Fh),A
      0x3E, 0x03,        // 5027 LD A,3
      0xD3, 0x1E,        // 5029 OUT (1Eh),A
      0x3E, 0x0D,        // 502B LD A,13       repeating shape
      0xD3, 0x1F,        // 502D OUT (1Fh),A
      0x3E, 0x0A,        // 502F LD A,0Ah
      0xD3, 0x1E,        // 5031 OUT (1Eh),A
      0x3E, 0x00,        // 5033 loop: LD A,0  tone A's counter
      0xD3, 0x1F,        // 5035 OUT (1Fh),A
      0xDB, 0x1E,        // 5037 IN A,(1Eh)
      0x77,              // 5039 LD (HL),A
      0x23,              // 503A INC HL
      0x3E, 0x0B,        // 503B LD A,11       the envelope's counter
      0xD3, 0x1F,        // 503D OUT (1Fh),A
      0xDB, 0x1E,        // 503F IN A,(1Eh)
      0x77,              // 5041 LD (HL),A
      0x23,              // 5042 INC HL
      0x3E, 0x06,        // 5043 LD A,6        the noise counter
      0xD3, 0x1F,        // 5045 OUT (1Fh),A
      0xDB, 0x1E,        // 5047 IN A,(1Eh)
      0x77,              // 5049 LD (HL),A
      0x23,              // 504A INC HL
      0x3E, 0x02,        // 504B LD A,2        tone B's period from R
      0xD3, 0x1F,        // 504D OUT (1Fh),A
      0xED, 0x5F,        // 504F LD A,R
      0xE6, 0x1F,        // 5051 AND 1Fh
      0xD3, 0x1E,        // 5053 OUT (1Eh),A
      0x3E, 0x06,        // 5055 LD A,6        the noise period from R
      0xD3, 0x1F,        // 5057 OUT (1Fh),A
      0xED, 0x5F,        // 5059 LD A,R
      0xD3, 0x1E,        // 505B OUT (1Eh),A
  };
  program.insert(program.end(), 45, 0xFD);  // 505D: one step of 184 T-states
  const std::initializer_list<uint8_t> tail = {
      0x00,              // 508A NOP
      0x7C,              // 508B LD A,H        HL stays in 6000h-6FFFh
      0xE6, 0x0F,        // 508C AND 0Fh
      0xF6, 0x60,        // 508E OR 60h
      0x67,              // 5090 LD H,A
      0xC3, 0x33, 0x50,  // 5091 JP loop
  };
  program.insert(program.end(), tail);
  ASSERT_EQ(program.size(), 0x5094u - 0x5000u);
  SideBySide run;
  run.RunFrames(100);
  run.Both([&](RunningMachine& m) {
    m.emu.sound.SetEnabled(false);
    m.Start(0x5000, program);
  });
  run.RunFrames(60);
  run.Both([](RunningMachine& m) { m.emu.sound.SetEnabled(true); });
  run.RunFrames(60);
  // The loop ran and what it read moved.
  const RunningMachine& fast = run.Fast();
  std::set<uint8_t> read(fast.emu.machine.memory.begin() + 0x6000, fast.emu.machine.memory.begin() + 0x7000);
  EXPECT_GT(read.size(), 64u);
}

TEST(SteppingEquivalence, TimerInterruptsArriveAtTheSameInstruction) {
  const uint8_t program[] = {
      0xF3,              // 5000 DI
      0x31, 0x00, 0x7F,  // 5001 LD SP,7F00h
      0x3E, 0xC3,        // 5004 LD A,0C3h     JP 5030h into the interrupt vector
      0x32, 0x12, 0x40,  // 5006 LD (4012h),A
      0x21, 0x30, 0x50,  // 5009 LD HL,5030h
      0x22, 0x13, 0x40,  // 500C LD (4013h),HL
      0xED, 0x56,        // 500F IM 1
      0x11, 0x00, 0x60,  // 5011 LD DE,6000h
      0xFB,              // 5014 EI
      0x03,              // 5015 INC BC        instructions of many lengths
      0x1A,              // 5016 LD A,(DE)
      0x81,              // 5017 ADD A,C
      0x12,              // 5018 LD (DE),A
      0x13,              // 5019 INC DE
      0x7A,              // 501A LD A,D
      0xE6, 0x0F,        // 501B AND 0Fh
      0xF6, 0x60,        // 501D OR 60h
      0x57,              // 501F LD D,A
      0x18, 0xF3,        // 5020 JR 5015h
      0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      0xF5,              // 5030 PUSH AF
      0xE5,              // 5031 PUSH HL
      0x3A, 0xE0, 0x37,  // 5032 LD A,(37E0h)  take the interrupt
      0x2A, 0x00, 0x70,  // 5035 LD HL,(7000h)
      0x23,              // 5038 INC HL
      0x22, 0x00, 0x70,  // 5039 LD (7000h),HL
      0xE1,              // 503C POP HL
      0xF1,              // 503D POP AF
      0xFB,              // 503E EI
      0xED, 0x4D,        // 503F RETI
  };
  SideBySide run;
  run.RunFrames(100);
  run.Both([&](RunningMachine& m) { m.Start(0x5000, program); });
  run.RunFrames(100);
  // The pushed return addresses below the stack and the data the loop
  // stirred tell where every interrupt came in.
  EXPECT_GT(run.Fast().Word(0x7000), 70);
}

TEST(SteppingEquivalence, ABreakpointStopsBothAtTheSameStepAndSingleStepsAgree) {
  SideBySide run;
  run.RunFrames(100);
  run.Both([](RunningMachine& m) { m.emu.scheduler.Breakpoints[0] = kKeyWaitEntry; });
  run.RunFrames(3);
  ASSERT_TRUE(run.Fast().emu.scheduler.DebuggerStopped);
  EXPECT_EQ(run.Fast().emu.cpu.PC, kKeyWaitEntry);
  for (int step = 0; step < 20; ++step) {
    run.Both([](RunningMachine& m) { m.emu.scheduler.BreakRequest = true; });
    run.RunFrames(1);
  }
  run.Both([](RunningMachine& m) {
    m.emu.scheduler.Breakpoints[0] = -1;
    m.emu.scheduler.DebuggerStopped = false;
  });
  run.RunFrames(20);
  EXPECT_FALSE(run.Fast().emu.scheduler.DebuggerStopped);
}

}  // namespace
}  // namespace quillor::test
