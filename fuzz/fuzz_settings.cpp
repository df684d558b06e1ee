// A settings file edited by hand or damaged: any of the program's values with
// any text, read at start-up by the desktop's commands. The machine starts as
// a valid model, the monitor stays in its ranges, at most ten favourites with
// a file and a name come back, and what is saved reads back as itself. File
// names point into the scratch folder, so nothing outside it is opened.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "display/monitor.h"
#include "frontend/settings_record.h"
#include "frontend/settings_store.h"
#include "frontend/user_commands.h"
#include "fuzz_support.h"
#include "machine/emulator.h"

namespace {

struct Key {
  const char* section;
  const char* name;
  bool path;  // a file or folder name: kept inside the scratch folder
};

constexpr std::array<Key, 28> kKeys{{
    {"Initialization\\Colors", "Brightness", false},
    {"Initialization\\Colors", "Contrast", false},
    {"Initialization\\Colors", "Color", false},
    {"Initialization", "Sound", false},
    {"Initialization", "Scan", false},
    {"Initialization", "PrinterWidth", false},
    {"Initialization", "EmulatorLeft", false},
    {"Initialization", "DebuggerTop", false},
    {"Initialization", "Layout", false},
    {"Initialization", "Model", false},
    {"Initialization", "FastTape", false},
    {"Initialization", "RomFolder", true},
    {"Initialization\\Files", "Disk0", true},
    {"Initialization\\Files", "Disk3", true},
    {"Initialization\\Files", "Cas", true},
    {"Initialization\\Favorites", "FileA", true},
    {"Initialization\\Favorites", "NameA", false},
    {"Initialization\\Favorites", "DestA", false},
    {"Initialization\\Favorites", "FileB", true},
    {"Initialization\\Favorites", "NameB", false},
    {"Initialization\\Favorites", "DestB", false},
    {"Initialization\\Favorites", "FileJ", true},
    {"Initialization\\Favorites", "NameJ", false},
    {"Initialization\\Favorites", "DestJ", false},
    {"Initialization\\Favorites", "FileE", true},
    {"Initialization\\Favorites", "NameE", false},
    {"Initialization\\Favorites", "DestE", false},
    {"Initialization", "PrinterLeft", false},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillor;
  FuzzedDataProvider in(data, size);
  MemorySettingsStore store;
  const int count = in.ConsumeIntegralInRange(0, 40);
  for (int i = 0; i < count; ++i) {
    const Key& key = kKeys[in.ConsumeIntegralInRange<size_t>(0, kKeys.size() - 1)];
    std::string value = in.ConsumeRandomLengthString(64);
    if (key.path && !value.empty()) value = (fuzz::Scratch() / std::to_string(value.size() % 4)).string();
    store.Write(key.section, key.name, value);
  }

  Emulator emulator;
  UserCommands commands(emulator);
  emulator.FormCreate();
  const SettingsRecord r = commands.RestoreSettings(store, SettingsRecord{});
  emulator.FinishStartUp(r.model);
  commands.ReopenMedia(r);

  FUZZ_CHECK(ValidModel(emulator.machine.model));
  const MonitorSettings& monitor = emulator.display.monitor.Settings();
  FUZZ_CHECK(monitor.Brightness >= 0 && monitor.Brightness <= kSettingMax);
  FUZZ_CHECK(monitor.Contrast >= 0 && monitor.Contrast <= kSettingMax);
  FUZZ_CHECK(monitor.Color >= kAmberTint && monitor.Color <= kSettingMax);
  const auto favourites = commands.Favs().Entries();
  FUZZ_CHECK(favourites.size() <= static_cast<size_t>(kFavouriteSlots));
  for (const FavouriteEntry& f : favourites) FUZZ_CHECK(!f.file.empty() && !f.name.empty());

  MemorySettingsStore saved;
  commands.SaveSettings(saved, r);
  const SettingsRecord back = ReadSettings(saved, SettingsRecord{});
  FUZZ_CHECK(back == commands.CurrentSettings(r));
  return 0;
}
