// The sound output on its own (mixing, fading, disk sounds, buffers) and on
// the emulator (start-up, the Sound command, the scheduler's sample clock).
#include "machine/sound_output.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fakes/recording_host.h"
#include "frontend/user_commands.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

constexpr int kMotor = SoundOutput::kMotorSamples;
constexpr int kStep = SoundOutput::kStepSamples;

// Disk sounds whose samples say where they come from.
std::vector<uint8_t> MarkedDiskSounds() {
  std::vector<uint8_t> sounds(kMotor + kStep);
  for (int i = 0; i < kMotor; ++i) sounds[i] = static_cast<uint8_t>(100 + i % 50);
  for (int i = 0; i < kStep; ++i) sounds[kMotor + i] = static_cast<uint8_t>(130 + i % 7);
  return sounds;
}

// Records each submission's address as well as its samples.
class BufferLog final : public WaveDevice {
 public:
  bool Open(int rate) override {
    openedRate = rate;
    return opens;
  }
  void Submit(std::span<const uint8_t> samples) override {
    addresses.push_back(samples.data());
    sizes.push_back(samples.size());
    all.insert(all.end(), samples.begin(), samples.end());
  }
  bool opens = true;
  int openedRate = 0;
  std::vector<const uint8_t*> addresses;
  std::vector<size_t> sizes;
  std::vector<uint8_t> all;
};

class SoundOutputTest : public ::testing::Test {
 protected:
  SoundOutputTest() { sound.Start(disk); }
  // n samples with the given inputs; what they were, in order.
  std::vector<int> Produce(int n, uint8_t port, bool motor = false, int generator = 0x80,
                           bool stepAtFirst = false) {
    std::vector<int> made;
    for (int i = 0; i < n; ++i) {
      sound.ProduceSoundSample(port, motor, stepAtFirst && i == 0, generator);
      const auto pending = sound.PendingSamples();
      made.push_back(pending.back());
    }
    return made;
  }
  std::vector<uint8_t> disk = MarkedDiskSounds();
  BufferLog device;
  SoundOutput sound{device};
};

TEST_F(SoundOutputTest, StartQueuesTwoSilentBuffersAndEnablesSound) {
  EXPECT_EQ(device.openedRate, 22050);
  EXPECT_TRUE(sound.Available());
  EXPECT_TRUE(sound.Enabled());
  ASSERT_EQ(device.sizes, (std::vector<size_t>{2048, 2048}));
  for (uint8_t s : device.all) ASSERT_EQ(s, 0x80);
}

TEST_F(SoundOutputTest, ALevelChangeJumpsThenFadesOneStepASampleToRest) {
  Produce(3, 0x80);
  const auto up = Produce(70, 0xC0);
  for (int i = 0; i <= 64; ++i) EXPECT_EQ(up[i], 0xC0 - i) << i;
  EXPECT_EQ(up[69], 0x80);
  const auto down = Produce(70, 0x40);
  for (int i = 0; i <= 64; ++i) EXPECT_EQ(down[i], 0x40 + i) << i;
  // A new level in the middle of a fade jumps at once.
  Produce(10, 0xC0);
  EXPECT_EQ(Produce(1, 0x40)[0], 0x40);
}

TEST_F(SoundOutputTest, MotorLoopPlaysWhileTheMotorRunsAndWraps) {
  const auto hum = Produce(kMotor + 20, 0x80, true);
  for (int i = 0; i < kMotor + 20; ++i) ASSERT_EQ(hum[i], disk[i % kMotor]) << i;
  // Stopped, it keeps its place; running again it goes on from there.
  EXPECT_EQ(Produce(5, 0x80, false), (std::vector<int>(5, 0x80)));
  EXPECT_EQ(Produce(1, 0x80, true)[0], disk[20]);
}

TEST_F(SoundOutputTest, StepClickPlaysOnceAndAStepDuringItDoesNotRestartIt) {
  auto click = Produce(500, 0x80, false, 0x80, true);
  // A second step at sample 500, during the click.
  const auto rest = Produce(kStep, 0x80, false, 0x80, true);
  click.insert(click.end(), rest.begin(), rest.end());
  for (int i = 0; i < kStep; ++i) ASSERT_EQ(click[i], disk[kMotor + i]) << i;
  for (size_t i = kStep; i < click.size(); ++i) ASSERT_EQ(click[i], 0x80) << i;
}

TEST_F(SoundOutputTest, EverySumIsClampedToAByte) {
  std::vector<uint8_t> loud(kMotor + kStep, 255);
  std::vector<uint8_t> quiet(kMotor + kStep, 0);
  SoundOutput high(device), low(device);
  high.Start(loud);
  low.Start(quiet);
  high.ProduceSoundSample(0xC0, true, true, 255);
  low.ProduceSoundSample(0x40, true, true, 0x80);
  EXPECT_EQ(high.PendingSamples()[0], 255);
  EXPECT_EQ(low.PendingSamples()[0], 0);
  // Each addition is clamped on its own: motor and step at full drive the
  // sum to 255, and a silent generator then leaves it there.
  high.ProduceSoundSample(0x40, true, false, 0x80);
  EXPECT_EQ(high.PendingSamples()[1], 255);
}

TEST_F(SoundOutputTest, FullBuffersGoToTheDeviceInTurn) {
  Produce(5 * 2048 + 1, 0x80);
  ASSERT_EQ(device.addresses.size(), 2u + 5u);
  for (size_t i = 0; i < device.addresses.size(); ++i) {
    EXPECT_EQ(device.sizes[i], 2048u);
    EXPECT_EQ(device.addresses[i], device.addresses[i % 2]) << i;
  }
  EXPECT_NE(device.addresses[0], device.addresses[1]);
  EXPECT_EQ(sound.PendingSamples().size(), 1u);
}

TEST(SoundOnTheEmulator, NoDeviceWarnsOnceAndTheSoundCommandIsInert) {
  testing::RecordingHost host;
  host.waveOpens = false;
  auto emu = std::make_unique<Emulator>(host.Hosts());
  emu->FormCreate();
  emu->FinishStartUp(1);
  ASSERT_EQ(host.messages, (std::vector<std::string>{"Sound not initialized"}));
  EXPECT_EQ(host.messageKinds[0], MessageKind::Warning);
  UserCommands commands(*emu);
  commands.ToggleSound();
  EXPECT_FALSE(emu->sound.Enabled());
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(SoundOnTheEmulator, OneSampleEveryEightyTStatesWhileEnabled) {
  testing::RecordingHost host;
  auto emu = std::make_unique<Emulator>(host.Hosts());
  emu->FormCreate();
  emu->FinishStartUp(1);
  emu->AssumeTimerOnTime();
  emu->machine.memory.fill(0x00);  // NOPs
  emu->cpu.PC = 0x4000;
  UserCommands commands(*emu);
  const size_t queued = host.submitted.size();
  for (int i = 0; i < 25; ++i) emu->Timer1Timer();  // one second of machine time
  const size_t made = host.submitted.size() - queued + emu->sound.PendingSamples().size();
  EXPECT_NEAR(static_cast<double>(made), 22175.0, 1.0);
  commands.ToggleSound();
  EXPECT_FALSE(emu->sound.Enabled());
  const auto pendingBefore = emu->sound.PendingSamples().size();
  const size_t submittedBefore = host.submitted.size();
  for (int i = 0; i < 25; ++i) emu->Timer1Timer();
  EXPECT_EQ(host.submitted.size(), submittedBefore);
  EXPECT_EQ(emu->sound.PendingSamples().size(), pendingBefore);
  commands.ToggleSound();
  EXPECT_TRUE(emu->sound.Enabled());
}

TEST(SoundOnTheEmulator, ResetAndNmiMuteTheGeneratorByTheNextStep) {
  for (const bool nmi : {false, true}) {
    auto emu = std::make_unique<Emulator>();
    for (auto [r, v] : {std::pair{7, 0x3E}, {8, 15}, {0, 10}, {1, 0}}) {
      emu->WritePort(0x1F, static_cast<uint8_t>(r));
      emu->WritePort(0x1E, static_cast<uint8_t>(v));
    }
    emu->soundGenerator.SoundGeneratorStep();
    emu->soundGenerator.SoundGeneratorStep();  // tone A's first "on" half
    ASSERT_NE(emu->soundGenerator.OutputLevel(), 0x80);
    if (nmi) emu->TriggerNmi();
    else emu->ResetMachine();
    emu->WritePort(0x1F, 7);
    EXPECT_EQ(emu->ReadPort(0x1E), 0x3F);
    emu->soundGenerator.SoundGeneratorStep();
    EXPECT_EQ(emu->soundGenerator.OutputLevel(), 0x80) << (nmi ? "NMI" : "reset");
  }
}

}  // namespace
}  // namespace quillor
