#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "fakes/process_temp.h"
#include "fakes/recording_host.h"
#include "frontend/user_commands.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

namespace fs = std::filesystem;

// ROM images whose every byte tells which image it is.
std::string MarkedRomFolder() {
  const fs::path folder = testing::ProcessTempFolder("marked_roms");
  const std::pair<const char*, std::pair<size_t, char>> images[] = {{"ROM12K", {12288, 0x11}},
                                                                    {"ROM2K", {2048, 0x22}},
                                                                    {"ROM2KS2", {2048, 0x33}},
                                                                    {"ROM12KS3", {12288, 0x44}},
                                                                    {"ROM2KS3", {2048, 0x55}}};
  for (const auto& [name, image] : images) {
    std::ofstream(folder / name, std::ios::binary) << std::string(image.first, image.second);
  }
  return folder.string();
}

class ModelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    emu = std::make_unique<Emulator>(host.Hosts());
    ASSERT_TRUE(emu->UseRomFolder(MarkedRomFolder()).empty());
    emu->FormCreate();
    emu->FinishStartUp(1);
  }
  testing::RecordingHost host;
  std::unique_ptr<Emulator> emu;
};

TEST_F(ModelsTest, StartUpLoadsTheSavedModelsRomsAndBlanksTheScreen) {
  EXPECT_EQ(emu->machine.memory[0x0000], 0x11);
  EXPECT_EQ(emu->machine.memory[0x2FFF], 0x11);
  EXPECT_EQ(emu->machine.memory[0x3000], 0x22);
  EXPECT_EQ(emu->machine.memory[0x3C00], 0x20);
  EXPECT_EQ(emu->machine.memory[0x4000], 0x00);
  EXPECT_EQ(emu->machine.model, 1);
  EXPECT_EQ(host.captions.front(), kMainCaption);
  EXPECT_TRUE(host.timerRunning);
}

TEST_F(ModelsTest, SwitchWithinAFamilyOnlyChangesUpperMemory) {
  emu->WriteMemory(0x9000, 0x77, 3);
  emu->cpu.PC = 0x4321;
  emu->display.colourBoard.SetEnabled(false);
  emu->SetModel(0);
  EXPECT_EQ(emu->ReadMemory(0x9000, 3), 0xFF);
  EXPECT_EQ(emu->cpu.PC, 0x4321);
  emu->display.colourBoard.SetEnabled(true);
  emu->SetModel(0);
  EXPECT_EQ(emu->ReadMemory(0x9000, 3), 0x77);
  emu->display.colourBoard.SetEnabled(false);
  emu->SetModel(0);
  emu->SetModel(1);
  EXPECT_EQ(emu->ReadMemory(0x9000, 3), 0x77);
  EXPECT_EQ(emu->cpu.PC, 0x4321);
}

TEST_F(ModelsTest, SwitchAcrossFamiliesReloadsAndRestartsKeepingRam) {
  emu->WriteMemory(0x9000, 0x77, 3);
  emu->WriteMemory(0x3C10, 0x01, 3);
  emu->cpu.PC = 0x4321;
  emu->SetModel(3);
  EXPECT_EQ(emu->machine.memory[0x0000], 0x11);
  EXPECT_EQ(emu->machine.memory[0x3000], 0x33);
  EXPECT_EQ(emu->cpu.PC, 0x0000);
  emu->cpu.PC = 0x4321;
  emu->SetModel(4);
  EXPECT_EQ(emu->machine.memory[0x0000], 0x44);
  EXPECT_EQ(emu->machine.memory[0x37FF], 0x55);
  EXPECT_EQ(emu->cpu.PC, 0x0000);
  EXPECT_EQ(emu->ReadMemory(0x9000, 3), 0x77);
  EXPECT_EQ(emu->ReadMemory(0x3C10, 3), 0x01);
  emu->SetModel(1);
  EXPECT_EQ(emu->ReadMemory(0x3C10, 3), 0x41);
  EXPECT_EQ(emu->machine.memory[0x3000], 0x22);
}

TEST_F(ModelsTest, ResetKeepsIAndRAndThePendingInterrupt) {
  emu->cpu.I = 0x12;
  emu->cpu.R = 0x34;
  emu->cpu.IFF1 = emu->cpu.IFF2 = true;
  emu->cpu.PC = 0x5000;
  emu->RaiseInterrupt(0x80);
  emu->soundGenerator.SelectRegister(7);
  emu->soundGenerator.WriteRegister(0x00);
  UserCommands(*emu).Reset();
  EXPECT_EQ(emu->cpu.PC, 0);
  EXPECT_EQ(emu->cpu.I, 0x12);
  EXPECT_EQ(emu->cpu.R, 0x34);
  EXPECT_FALSE(emu->cpu.IFF1);
  EXPECT_TRUE(emu->cpu.InterruptRequest);
  EXPECT_EQ(emu->cpu.A, 0xFF);
  EXPECT_EQ(emu->cpu.SP, 0xFFFF);
  EXPECT_EQ(emu->soundGenerator.Register(7), 0x3F);
}

TEST_F(ModelsTest, NmiPushesPcKeepsIff2AndMutes) {
  emu->cpu.PC = 0x1234;
  emu->cpu.SP = 0x8000;
  emu->cpu.IFF1 = emu->cpu.IFF2 = true;
  emu->soundGenerator.SelectRegister(7);
  emu->soundGenerator.WriteRegister(0x00);
  emu->TriggerNmi();
  EXPECT_EQ(emu->cpu.PC, 0x0066);
  EXPECT_EQ(emu->cpu.SP, 0x7FFE);
  EXPECT_EQ(emu->machine.memory[0x7FFF], 0x12);
  EXPECT_EQ(emu->machine.memory[0x7FFE], 0x34);
  EXPECT_FALSE(emu->cpu.IFF1);
  EXPECT_TRUE(emu->cpu.IFF2);
  EXPECT_EQ(emu->soundGenerator.Register(7), 0x3F);
}

TEST(Models, AnInvalidSavedModelKeepsTheStartUpSet) {
  testing::RecordingHost host;
  auto emu = std::make_unique<Emulator>(host.Hosts());
  ASSERT_TRUE(emu->UseRomFolder(MarkedRomFolder()).empty());
  emu->FormCreate();
  emu->FinishStartUp(7);
  EXPECT_EQ(emu->machine.model, kDefaultModel);
  EXPECT_EQ(emu->machine.memory[0x0000], 0x11);
  EXPECT_EQ(emu->machine.memory[0x3000], 0x22);
  emu->SetModel(-3);
  EXPECT_EQ(emu->machine.model, kDefaultModel);
}

}  // namespace
}  // namespace quillor
