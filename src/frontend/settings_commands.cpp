// Settings between runs: what the commands take from the store at start-up
// and give back at exit. The window adds its positions.
#include "frontend/user_commands.h"

namespace quillor {

SettingsRecord UserCommands::CurrentSettings(const SettingsRecord& kept) const {
  SettingsRecord r = kept;
  const MonitorSettings& monitor = emulator_.display.monitor.Settings();
  r.brightness = monitor.Brightness;
  r.contrast = monitor.Contrast;
  r.color = monitor.Color;
  r.scan = monitor.ScanLines;
  r.printer80 = emulator_.printer.LineWidth() != 132;
  r.layout = emulator_.layout == KeyboardLayout::EN ? 0 : 1;
  // The machine runs a valid model once started (an unknown saved one runs as
  // the default model and is saved as that).
  r.model = ValidModel(emulator_.machine.model) ? emulator_.machine.model : kept.model;
  for (int slot = 0; slot < kDriveCount; ++slot) r.files[slot] = emulator_.drives.FileName(slot);
  r.files[kCassetteSlot] = emulator_.cassette.FileName();
  r.favourites = favourites_.Entries();
  r.romFolder = romFolder_;
  r.sound = emulator_.sound.Enabled();
  r.fastTape = emulator_.scheduler.fastTape;
  return r;
}

SettingsRecord UserCommands::RestoreSettings(const SettingsStore& store, const SettingsRecord& defaults) {
  SettingsRecord base = CurrentSettings(defaults);
  base.model = kDefaultModel;
  const SettingsRecord r = ReadSettings(store, base);
  MonitorSettings& monitor = emulator_.display.monitor.Settings();
  monitor.Brightness = r.brightness;
  monitor.Contrast = r.contrast;
  monitor.Color = r.color;
  monitor.ScanLines = r.scan;
  emulator_.display.SetColors(Memory(), *Hosts().panels);
  emulator_.SetLayout(r.layout == 0 ? KeyboardLayout::EN : KeyboardLayout::HU);
  emulator_.printer.SetLineWidth(r.printer80 ? 80 : 132);
  for (const FavouriteEntry& entry : r.favourites)
    favourites_.AddFavItem(entry.file, entry.name, entry.target);
  // The machine starts with the user's images when the folder still reads;
  // the window's start-up loads them with the model.
  if (!r.romFolder.empty()) {
    const auto problems = emulator_.UseRomFolder(r.romFolder);
    romFolder_ = r.romFolder;
    if (!problems.empty()) {
      std::string text;
      for (const auto& problem : problems) text += problem + "\n";
      Hosts().dialogs->ShowMessage(text, MessageKind::Warning);
    }
    if (emulator_.roms.UserImageNames().empty()) romFolder_.clear();
  }
  // The saved switch wins even over a device that did not open: samples are
  // then produced and their submissions fail quietly.
  emulator_.sound.SetEnabled(r.sound);
  emulator_.scheduler.fastTape = r.fastTape;
  return r;
}

void UserCommands::ReopenMedia(const SettingsRecord& record) {
  for (int slot = 0; slot < kMediaSlots; ++slot) {
    if (!record.files[slot].empty()) emulator_.InsertMedia(slot, record.files[slot]);
    emulator_.RefreshMediaSlot(slot);
  }
}

void UserCommands::SaveSettings(SettingsStore& store, const SettingsRecord& kept) const {
  WriteSettings(store, CurrentSettings(kept));
}

}  // namespace quillor
