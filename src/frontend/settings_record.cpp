#include "frontend/settings_record.h"

#include <charconv>
#include <string_view>

#include "display/monitor.h"

namespace quillor {
namespace {

constexpr std::string_view kColors = "Initialization\\Colors";
constexpr std::string_view kInit = "Initialization";
constexpr std::string_view kFiles = "Initialization\\Files";
constexpr std::string_view kFavorites = "Initialization\\Favorites";
constexpr std::array<std::string_view, kMediaSlots> kFileNames{"Disk0", "Disk1", "Disk2", "Disk3", "Cas"};

std::string Letter(int index) { return std::string(1, static_cast<char>('A' + index)); }

// Decimal text, surrounding blanks allowed; anything else keeps the default.
int ReadInt(const SettingsStore& store, std::string_view section, std::string_view name, int fallback) {
  const auto text = store.Read(section, name);
  if (!text) return fallback;
  std::string_view s = *text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || error != std::errc() || end != s.data() + s.size()) return fallback;
  return value;
}

// A value outside the range the program can set (a hand-edited file) is read
// as its default too: the monitor's formulas and bars assume the range.
int ReadIntIn(const SettingsStore& store, std::string_view section, std::string_view name, int fallback,
              int low, int high) {
  const int value = ReadInt(store, section, name, fallback);
  return value < low || value > high ? fallback : value;
}

bool ReadBool(const SettingsStore& store, std::string_view section, std::string_view name, bool fallback) {
  return ReadInt(store, section, name, fallback ? 1 : 0) != 0;
}

std::string ReadString(const SettingsStore& store, std::string_view section, std::string_view name,
                       const std::string& fallback) {
  return store.Read(section, name).value_or(fallback);
}

WindowPosition ReadPosition(const SettingsStore& store, std::string_view prefix, WindowPosition fallback) {
  const std::string p(prefix);
  return {ReadInt(store, kInit, p + "Left", fallback.left), ReadInt(store, kInit, p + "Top", fallback.top)};
}

void WriteInt(SettingsStore& store, std::string_view section, std::string_view name, int value) {
  store.Write(section, name, std::to_string(value));
}

void WriteBool(SettingsStore& store, std::string_view section, std::string_view name, bool value) {
  store.Write(section, name, value ? "1" : "0");
}

void WritePosition(SettingsStore& store, std::string_view prefix, WindowPosition position) {
  const std::string p(prefix);
  WriteInt(store, kInit, p + "Left", position.left);
  WriteInt(store, kInit, p + "Top", position.top);
}

}  // namespace

SettingsRecord ReadSettings(const SettingsStore& store, const SettingsRecord& defaults) {
  SettingsRecord r = defaults;
  r.brightness = ReadIntIn(store, kColors, "Brightness", defaults.brightness, 0, kSettingMax);
  r.contrast = ReadIntIn(store, kColors, "Contrast", defaults.contrast, 0, kSettingMax);
  r.color = ReadIntIn(store, kColors, "Color", defaults.color, kAmberTint, kSettingMax);
  r.sound = ReadBool(store, kInit, "Sound", defaults.sound);
  r.scan = ReadBool(store, kInit, "Scan", defaults.scan);
  r.printer80 = ReadBool(store, kInit, "PrinterWidth", defaults.printer80);
  r.emulator = ReadPosition(store, "Emulator", defaults.emulator);
  r.debugger = ReadPosition(store, "Debugger", defaults.debugger);
  r.kbdHelp = ReadPosition(store, "KbdHelp", defaults.kbdHelp);
  r.printer = ReadPosition(store, "Printer", defaults.printer);
  r.layout = ReadIntIn(store, kInit, "Layout", defaults.layout, 0, 1);
  r.model = ReadInt(store, kInit, "Model", defaults.model);
  for (int slot = 0; slot < kMediaSlots; ++slot)
    r.files[slot] = ReadString(store, kFiles, kFileNames[slot], defaults.files[slot]);
  r.favourites.clear();
  for (int i = 0; i < kFavouriteSlots; ++i) {
    const std::string l = Letter(i);
    FavouriteEntry entry{ReadString(store, kFavorites, "File" + l, ""),
                         ReadString(store, kFavorites, "Name" + l, ""),
                         ReadInt(store, kFavorites, "Dest" + l, -1)};
    if (entry.target >= 0 && !entry.file.empty() && !entry.name.empty())
      r.favourites.push_back(std::move(entry));
  }
  r.romFolder = ReadString(store, kInit, "RomFolder", defaults.romFolder);
  r.fastTape = ReadBool(store, kInit, "FastTape", defaults.fastTape);
  return r;
}

void WriteSettings(SettingsStore& store, const SettingsRecord& r) {
  WriteInt(store, kColors, "Brightness", r.brightness);
  WriteInt(store, kColors, "Contrast", r.contrast);
  WriteInt(store, kColors, "Color", r.color);
  WriteBool(store, kInit, "Sound", r.sound);
  WriteBool(store, kInit, "Scan", r.scan);
  WriteBool(store, kInit, "PrinterWidth", r.printer80);
  WritePosition(store, "Emulator", r.emulator);
  WritePosition(store, "Debugger", r.debugger);
  WritePosition(store, "KbdHelp", r.kbdHelp);
  WritePosition(store, "Printer", r.printer);
  WriteInt(store, kInit, "Layout", r.layout);
  WriteInt(store, kInit, "Model", r.model);
  for (int slot = 0; slot < kMediaSlots; ++slot) store.Write(kFiles, kFileNames[slot], r.files[slot]);
  for (int i = 0; i < kFavouriteSlots; ++i) {
    const std::string l = Letter(i);
    const bool used = i < static_cast<int>(r.favourites.size());
    const FavouriteEntry entry = used ? r.favourites[i] : FavouriteEntry{};
    store.Write(kFavorites, "File" + l, entry.file);
    store.Write(kFavorites, "Name" + l, entry.name);
    WriteInt(store, kFavorites, "Dest" + l, entry.target);
  }
  store.Write(kInit, "RomFolder", r.romFolder);
  WriteBool(store, kInit, "FastTape", r.fastTape);
}

}  // namespace quillor
