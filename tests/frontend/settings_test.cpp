#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "fakes/recording_host.h"
#include "frontend/user_commands.h"
#include "machine/emulator.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

namespace fs = std::filesystem;

SettingsRecord Unusual() {
  SettingsRecord r;
  r.brightness = 10;
  r.contrast = 20;
  r.color = -1;
  r.sound = false;
  r.scan = true;
  r.printer80 = false;
  r.fastTape = false;
  r.emulator = {5, 6};
  r.debugger = {7, 8};
  r.kbdHelp = {9, 10};
  r.printer = {-11, 12};
  r.layout = 0;
  r.model = 4;
  r.files = {"a.dsk", "", "c.dsk", "", "t.cas"};
  r.favourites = {{"/x/STAR.CMD", "STAR", 0}, {"/x/t.cas", "T & U", 1}};
  r.romFolder = "/roms";
  return r;
}

TEST(SettingsRecordStore, RoundTripsEveryValueAsText) {
  MemorySettingsStore store;
  WriteSettings(store, Unusual());
  EXPECT_EQ(ReadSettings(store, SettingsRecord{}), Unusual());
  EXPECT_EQ(store.Read("Initialization", "Scan"), "1");
  EXPECT_EQ(store.Read("Initialization", "Sound"), "0");
  EXPECT_EQ(store.Read("Initialization", "PrinterWidth"), "0");
  EXPECT_EQ(store.Read("Initialization", "FastTape"), "0");
  EXPECT_EQ(store.Read("Initialization\\Colors", "Color"), "-1");
  EXPECT_EQ(store.Read("Initialization", "PrinterLeft"), "-11");
  EXPECT_EQ(store.Read("Initialization\\Files", "Cas"), "t.cas");
  EXPECT_EQ(store.Read("Initialization\\Favorites", "NameB"), "T & U");
  // The order of writing: colours, switches, positions, layout and model,
  // files, then the ten favourite letters.
  const auto& order = store.WriteOrder();
  ASSERT_GE(order.size(), 22u);
  EXPECT_EQ(order[0], "Initialization\\Colors\\Brightness");
  EXPECT_EQ(order[3], "Initialization\\Sound");
  EXPECT_EQ(order[6], "Initialization\\EmulatorLeft");
  EXPECT_EQ(order[13], "Initialization\\PrinterTop");
  EXPECT_EQ(order[14], "Initialization\\Layout");
  EXPECT_EQ(order[15], "Initialization\\Model");
  EXPECT_EQ(order[16], "Initialization\\Files\\Disk0");
  EXPECT_EQ(order[21], "Initialization\\Favorites\\FileA");
}

TEST(SettingsRecordStore, EmptyStoreAndUnreadableNumbersGiveTheDefaults) {
  MemorySettingsStore store;
  EXPECT_EQ(ReadSettings(store, SettingsRecord{}), SettingsRecord{});
  store.Write("Initialization\\Colors", "Brightness", "bright");
  store.Write("Initialization", "Model", "3x");
  store.Write("Initialization", "Layout", "");
  store.Write("Initialization", "Scan", "yes");
  store.Write("Initialization\\Colors", "Contrast", " 40 ");
  const SettingsRecord r = ReadSettings(store, SettingsRecord{});
  EXPECT_EQ(r.brightness, 72);
  EXPECT_EQ(r.model, 1);
  EXPECT_EQ(r.layout, 1);
  EXPECT_FALSE(r.scan);
  EXPECT_EQ(r.contrast, 40);
}

TEST(SettingsRecordStore, ValuesBeyondWhatTheProgramSetsGiveTheDefaults) {
  MemorySettingsStore store;
  store.Write("Initialization\\Colors", "Brightness", "2147483647");
  store.Write("Initialization\\Colors", "Contrast", "-1");
  store.Write("Initialization\\Colors", "Color", "-2");
  store.Write("Initialization", "Layout", "2");
  SettingsRecord r = ReadSettings(store, SettingsRecord{});
  EXPECT_EQ(r.brightness, 72);
  EXPECT_EQ(r.contrast, 72);
  EXPECT_EQ(r.color, 36);
  EXPECT_EQ(r.layout, 1);
  // The edges of each range are the user's.
  store.Write("Initialization\\Colors", "Brightness", "0");
  store.Write("Initialization\\Colors", "Contrast", "72");
  store.Write("Initialization\\Colors", "Color", "-1");
  store.Write("Initialization", "Layout", "0");
  r = ReadSettings(store, SettingsRecord{});
  EXPECT_EQ(r.brightness, 0);
  EXPECT_EQ(r.contrast, 72);
  EXPECT_EQ(r.color, -1);
  EXPECT_EQ(r.layout, 0);
}

TEST(SettingsRecordStore, FavouritesNeedATargetAFileAndAName) {
  MemorySettingsStore store;
  const auto Put = [&](char l, const char* file, const char* name, const char* dest) {
    store.Write("Initialization\\Favorites", std::string("File") + l, file);
    store.Write("Initialization\\Favorites", std::string("Name") + l, name);
    store.Write("Initialization\\Favorites", std::string("Dest") + l, dest);
  };
  Put('A', "/a", "", "0");
  Put('B', "/b", "B", "-1");
  Put('C', "", "C", "2");
  Put('D', "/d", "D", "5");
  Put('J', "/j", "J", "1");
  const SettingsRecord r = ReadSettings(store, SettingsRecord{});
  EXPECT_EQ(r.favourites, (std::vector<FavouriteEntry>{{"/d", "D", 5}, {"/j", "J", 1}}));
}

TEST(Favourites, DeletingTheThirdOfFiveRenumbersThemOnSaving) {
  Favourites favs;
  for (int i = 0; i < 5; ++i)
    ASSERT_TRUE(favs.AddFavItem("/f" + std::to_string(i), "F" + std::to_string(i), i));
  favs.Delete({2});
  EXPECT_EQ(favs.Count(), 3);
  SettingsRecord r;
  r.favourites = favs.Entries();
  MemorySettingsStore store;
  WriteSettings(store, r);
  EXPECT_EQ(store.Read("Initialization\\Favorites", "NameC"), "F3");
  EXPECT_EQ(store.Read("Initialization\\Favorites", "NameD"), "F4");
  EXPECT_EQ(store.Read("Initialization\\Favorites", "DestD"), "4");
  for (const char l : std::string("EFGHIJ")) {
    EXPECT_EQ(store.Read("Initialization\\Favorites", std::string("File") + l), "");
    EXPECT_EQ(store.Read("Initialization\\Favorites", std::string("Name") + l), "");
    EXPECT_EQ(store.Read("Initialization\\Favorites", std::string("Dest") + l), "-1");
  }
  // The freed slot is taken first: the new favourite stands above F3.
  ASSERT_TRUE(favs.AddFavItem("/n", "N", 1));
  EXPECT_EQ(favs.Slot(2).name, "N");
}

TEST(Favourites, TenHideTheAddItemAndDeletingAllKeepsTheSeparator) {
  Favourites favs;
  EXPECT_FALSE(favs.DeleteItemVisible());
  EXPECT_FALSE(favs.SeparatorVisible());
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(favs.AddFavItem("/f", "F", 0));
  EXPECT_FALSE(favs.AddItemVisible());
  EXPECT_FALSE(favs.AddFavItem("/g", "G", 0));
  favs.Delete({9});
  EXPECT_TRUE(favs.AddItemVisible());
  favs.Delete({0, 1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(favs.Count(), -1);
  EXPECT_FALSE(favs.DeleteItemVisible());
  EXPECT_TRUE(favs.SeparatorVisible());
}

class SettingsCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(QUILLOR_TEST_TMP) / "settings_commands" /
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    emu = std::make_unique<Emulator>(host.Hosts());
    commands = std::make_unique<UserCommands>(*emu);
    emu->FormCreate();
  }
  // Start-up as the window does it.
  SettingsRecord Start(const SettingsStore& store) {
    const SettingsRecord r = commands->RestoreSettings(store, SettingsRecord{});
    emu->FinishStartUp(r.model);
    commands->ReopenMedia(r);
    return r;
  }
  fs::path File(const std::string& name, size_t size, uint8_t fill = 0xE5) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << std::string(size, static_cast<char>(fill));
    return path;
  }
  bool SecondRomIs(std::string_view name) {
    const auto rom = FindEmbeddedResource(name);
    return std::equal(rom.begin(), rom.end(), emu->machine.memory.begin() + 0x3000);
  }

  fs::path folder;
  testing::RecordingHost host;
  std::unique_ptr<Emulator> emu;
  std::unique_ptr<UserCommands> commands;
};

TEST_F(SettingsCommands, FirstRunStartsAsTheDefaultMachine) {
  MemorySettingsStore store;
  Start(store);
  EXPECT_EQ(emu->machine.model, 1);
  EXPECT_EQ(emu->layout, KeyboardLayout::HU);
  EXPECT_EQ(emu->printer.LineWidth(), 80);
  EXPECT_EQ(emu->display.monitor.Settings(), MonitorSettings{});
  EXPECT_TRUE(host.messages.empty());
  commands->SaveSettings(store, SettingsRecord{});
  EXPECT_EQ(ReadSettings(store, Unusual()), SettingsRecord{});
}

TEST_F(SettingsCommands, ModelThreeStartsTheSeriesTwoSetWithTheUpperMemory) {
  MemorySettingsStore store;
  store.Write("Initialization", "Model", "3");
  Start(store);
  EXPECT_EQ(emu->machine.model, 3);
  EXPECT_TRUE(SecondRomIs("ROM2KS2"));
  EXPECT_TRUE(emu->machine.UpperMemoryPresent);
  emu->display.colourBoard.SetEnabled(false);
  emu->machine.memory[0x9000] = 0x5A;
  EXPECT_EQ(emu->PeekMemory(0x9000), 0x5A);
}

TEST_F(SettingsCommands, SavedStateComesBackAndVanishedMediaAreForgotten) {
  const fs::path disk = File("d.dsk", 35 * 2560);
  MemorySettingsStore store;
  SettingsRecord saved = Unusual();
  saved.romFolder.clear();
  saved.files = {"", disk.string(), (folder / "gone.dsk").string(), "", (folder / "gone.cas").string()};
  WriteSettings(store, saved);
  Start(store);
  EXPECT_EQ(emu->machine.model, 4);
  EXPECT_EQ(emu->layout, KeyboardLayout::EN);
  EXPECT_EQ(emu->printer.LineWidth(), 132);
  EXPECT_EQ(emu->display.monitor.Settings(), (MonitorSettings{10, 20, -1, true}));
  EXPECT_TRUE(emu->drives.Present(1));
  EXPECT_FALSE(emu->drives.Present(2));
  EXPECT_FALSE(emu->cassette.Inserted());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(emu->sound.Enabled());
  EXPECT_FALSE(emu->scheduler.fastTape);
  EXPECT_EQ(commands->Favs().Entries(), saved.favourites);
  MemorySettingsStore again;
  commands->SaveSettings(again, ReadSettings(store, SettingsRecord{}));
  const SettingsRecord r = ReadSettings(again, SettingsRecord{});
  EXPECT_EQ(r.files, (std::array<std::string, 5>{"", disk.string(), "", "", ""}));
  EXPECT_FALSE(r.sound);
  // The window's own positions pass through the commands untouched.
  EXPECT_EQ(r.debugger, (WindowPosition{7, 8}));
}

TEST_F(SettingsCommands, FavouritesExecuteEveryTarget) {
  Start(MemorySettingsStore{});
  const fs::path program = folder / "PROG.CMD";
  std::ofstream(program, std::ios::binary).write("\x01\x05\x00\x50\x3E\x41\xC9\x02\x02\x00\x50", 11);
  const fs::path tape = folder / "t.cas";
  std::ofstream(tape, std::ios::binary).write("\x00\x00\xA5\x55", 4);
  const fs::path disk = File("d.dsk", 35 * 2560);
  ASSERT_TRUE(commands->AddFavourite(program.string(), "", kFavAutostart));
  EXPECT_EQ(commands->Favs().Slot(0).name, "PROG");
  ASSERT_TRUE(commands->AddFavourite(tape.string(), "Tape", kFavCassette));
  for (int drive = 0; drive < 4; ++drive)
    ASSERT_TRUE(commands->AddFavourite(disk.string(), "Disk", kFavDisk0 + drive));
  commands->Favexec(0);
  EXPECT_EQ(emu->cpu.PC, 0x5000);
  EXPECT_EQ(emu->machine.memory[0x5000], 0x3E);
  commands->Favexec(1);
  EXPECT_TRUE(emu->cassette.Inserted());
  EXPECT_EQ(emu->cassette.FileName(), tape.string());
  for (int drive = 0; drive < 4; ++drive) {
    commands->Favexec(2 + drive);
    EXPECT_TRUE(emu->drives.Present(drive));
    EXPECT_EQ(emu->drives.FileName(drive), disk.string());
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(commands->Favs().Count(), 5);
}

TEST_F(SettingsCommands, AFavouriteThatIsNoImageEmptiesItsDriveOneWhoseFileWentSaysSo) {
  Start(MemorySettingsStore{});
  const fs::path disk = File("d.dsk", 35 * 2560);
  const fs::path junk = File("junk.dsk", 3);
  ASSERT_TRUE(commands->InsertMedia(2, disk.string()));
  ASSERT_TRUE(commands->AddFavourite(junk.string(), "J", kFavDisk0 + 2));
  commands->Favexec(0);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Unknown image format!"}));
  EXPECT_FALSE(emu->drives.Present(2));

  ASSERT_TRUE(commands->InsertMedia(2, disk.string()));
  ASSERT_TRUE(commands->AddFavourite(disk.string(), "Gone", kFavDisk0 + 2));
  fs::remove(disk);
  commands->Favexec(1);
  EXPECT_EQ(host.messages.back(), "File not found!");
  EXPECT_TRUE(emu->drives.Present(2));
  EXPECT_FALSE(commands->AddFavourite((folder / "none.cmd").string(), "N", 0));
  EXPECT_EQ(host.messages.back(), "File not found!");
  EXPECT_EQ(commands->Favs().Count(), 1);
}

TEST_F(SettingsCommands, ProgramNamesComeFromTheFileName) {
  EXPECT_EQ(UserCommands::ProgramNameOf("C:\\games\\STAR.CMD"), "STAR");
  EXPECT_EQ(UserCommands::ProgramNameOf("/home/u/a.b.cas"), "a.b");
  EXPECT_EQ(UserCommands::ProgramNameOf("noext"), "noext");
}

TEST_F(SettingsCommands, RomFolderReplacesImagesReportsRefusedOnesAndIsRemembered) {
  Start(MemorySettingsStore{});
  const fs::path roms = folder / "roms";
  fs::create_directories(roms);
  std::ofstream(roms / "ROM2K.bin", std::ios::binary) << std::string(2048, '\x76');
  std::ofstream(roms / "ROM12K.bin", std::ios::binary) << std::string(100, '\x00');
  EXPECT_TRUE(commands->UseRomFolder(roms.string()));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("ROM12K"), std::string::npos);
  EXPECT_EQ(emu->machine.memory[0x3000], 0x76);
  EXPECT_EQ(emu->cpu.PC, 0);
  EXPECT_NE(commands->RomSetDescription().find(roms.string()), std::string::npos);

  MemorySettingsStore store;
  commands->SaveSettings(store, SettingsRecord{});
  EXPECT_EQ(store.Read("Initialization", "RomFolder"), roms.string());

  commands->UseBuiltInRoms();
  EXPECT_TRUE(SecondRomIs("ROM2K"));
  EXPECT_EQ(commands->RomSetDescription(), "ROM set: built-in");

  // A later start with the remembered folder runs the user's images.
  testing::RecordingHost host2;
  Emulator emu2(host2.Hosts());
  UserCommands commands2(emu2);
  emu2.FormCreate();
  const SettingsRecord r = commands2.RestoreSettings(store, SettingsRecord{});
  emu2.FinishStartUp(r.model);
  EXPECT_EQ(emu2.machine.memory[0x3000], 0x76);
}

TEST_F(SettingsCommands, AboutSaysWhichRomSetRuns) {
  commands->About();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], std::string(kMainCaption) + "\nROM set: built-in");
}

}  // namespace
}  // namespace quillor
