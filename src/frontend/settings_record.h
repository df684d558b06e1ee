// Everything the program remembers between runs, and its reading from and
// writing to a settings store. Integers are decimal text, switches "0"/"1";
// a missing value or one that is not a number reads as its default.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frontend/settings_store.h"

namespace quillor {

inline constexpr int kFavouriteSlots = 10;
inline constexpr int kMediaSlots = 5;  // drives 0-3 and the cassette recorder

struct WindowPosition {
  int left = 0;
  int top = 0;
  bool operator==(const WindowPosition&) const = default;
};

struct FavouriteEntry {
  std::string file;
  std::string name;
  int target = -1;
  bool operator==(const FavouriteEntry&) const = default;
};

struct SettingsRecord {
  int brightness = 72;
  int contrast = 72;
  int color = 36;
  bool sound = true;
  bool scan = false;
  bool printer80 = true;
  // Our own addition beside the machine's switches: tapes load at host speed.
  bool fastTape = true;
  WindowPosition emulator{};
  WindowPosition debugger{279, 190};
  WindowPosition kbdHelp{193, 114};
  WindowPosition printer{255, 185};
  int layout = 1;
  int model = 1;
  // Disk0-Disk3, then Cas.
  std::array<std::string, kMediaSlots> files{};
  // Those worth adding, in letter order (target 0 or more, file and name set).
  std::vector<FavouriteEntry> favourites;
  // The user's ROM folder; empty for the built-in images.
  std::string romFolder;
  bool operator==(const SettingsRecord&) const = default;
};

// Reads every value; anything missing or unreadable keeps its value from
// defaults.
SettingsRecord ReadSettings(const SettingsStore& store, const SettingsRecord& defaults);
// Writes every value in the fixed order; the ten favourite letters are all
// written, those beyond the record's favourites as empty entries.
void WriteSettings(SettingsStore& store, const SettingsRecord& record);

}  // namespace quillor
