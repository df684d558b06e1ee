// The user's commands: what a menu item, a panel click, a dropped file or a
// runner option asks of the emulator, with the dialogs, messages and
// captions that go with it. The desktop window and the headless runner call
// these same functions, so neither wires the emulator's parts by hand; the
// emulator below keeps only the machine and its plain verbs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "display/screenshot.h"
#include "frontend/favourites.h"
#include "frontend/settings_record.h"
#include "frontend/settings_store.h"
#include "machine/emulator.h"

namespace quillor {

// What a mouse button does on a media panel or in LoadImage.
inline constexpr int kMediaInsert = 0;   // left: ask for a file
inline constexpr int kMediaRemove = 1;   // right: empty the slot
inline constexpr int kMediaRefresh = 2;  // middle (or any other): redraw only

class UserCommands {
 public:
  explicit UserCommands(Emulator& emulator) : emulator_(emulator) {}

  // ---- Media and programs (media_commands.cpp) ----
  // The insert/remove command of slots 0-3 (drives) and kCassetteSlot. mode
  // is a mouse button: kMediaInsert asks for a file, kMediaRemove empties the
  // slot, anything else only refreshes its panel.
  void LoadImage(int slot, int mode);
  // Insertion without the dialog (the runner, dropped files, favourites):
  // "Unknown image format!" and an empty slot when the file does not open.
  bool InsertMedia(int slot, const std::string& path);
  void DrivePanelPress(int drive, int mode);
  // x, y on the cassette panel picture: the rewind button, else LoadImage.
  void CassettePanelPress(int mode, int x, int y);
  // "&Autostart": asks for a program file and starts it.
  void Autostart();
  // Loads and starts a program file; "Not a program file!" when it is none.
  // Returns LoadProgramFile's result.
  int32_t AutostartFile(const std::string& path);
  // "&Text input": asks for a text file; choosing again stops the running one.
  void TextInput();
  // "File not found!" when the file cannot be opened.
  bool StartTextInput(const std::string& path);
  // "&Paste text": types text from the clipboard (UTF-8) at the key wait, as
  // text input does, line ends and tabs turned as TextForTyping says.
  // Choosing it again while text is being typed stops that. True when
  // typing started.
  bool PasteText(std::string_view utf8);
  // Types text by the same rules without the toggle (the runner's
  // --type-file); returns how many characters were skipped.
  std::size_t TypeText(std::string_view utf8);
  // After every tick of the frame timer: once a paste is typed, how many
  // characters it skipped (no message when none).
  void AfterTick();

  // ---- Speed, pause, keys, reset (machine_commands.cpp) ----
  void TogglePause();
  // "&Fast tape": on or off.
  void ToggleFastTape();
  // Host keys from the window: Pause toggles the pause, the others go to the
  // machine.
  void KeyDown(int vk);
  void KeyUp(int vk);
  // Resets the processor; a machine stopped in the debugger shows where.
  void Reset();
  void About();
  // "&Sound": sample production on or off; nothing without a sound device.
  void ToggleSound();
  void SetSound(bool on);

  // ---- The display and the monitor (display_commands.cpp) ----
  void Cut();
  void Page();
  void ToggleColourBoardEnabled();
  void ToggleColourBoardDisplay();
  void ToggleMonitorBars();
  void ToggleScanLines();
  void ApplySkin(Skin skin);
  void PressBar(int bar, int x);
  // "&Screenshot": the save dialog, then the picture; a failure is shown.
  void Screenshot();
  // The screen picture as it is now, cells written since the last frame
  // included. The message when no file was written.
  std::optional<std::string> SaveScreenshotAs(const std::string& path, ScreenshotKind kind);

  // ---- Memory to tape (display_commands.cpp) ----
  // Saves FROM up to TO with entry START as a machine-code tape; the path
  // written, or empty when it could not be written.
  std::string SaveMemory(const std::string& chosen, uint16_t from, uint16_t to, uint16_t start);

  // ---- Settings between runs (settings_commands.cpp) ----
  // What the program would save now. Window positions and the values of
  // parts that are not the commands' (sound) come from `kept`, the record
  // read at start-up or filled in by the window.
  SettingsRecord CurrentSettings(const SettingsRecord& kept) const;
  // Start-up, before Emulator::FinishStartUp: reads the store with the
  // current state as defaults and applies the monitor, switches, layout,
  // printer width, favourites and ROM folder. The window then starts the
  // machine as the returned model and calls ReopenMedia.
  SettingsRecord RestoreSettings(const SettingsStore& store, const SettingsRecord& defaults);
  // The saved media, each opened again; a file that no longer opens is
  // forgotten without a message.
  void ReopenMedia(const SettingsRecord& record);
  void SaveSettings(SettingsStore& store, const SettingsRecord& kept) const;

  // ---- Favourites (favourite_commands.cpp) ----
  Favourites& Favs() { return favourites_; }
  // The add dialog's OK: "File not found!" when the file cannot be opened;
  // an empty name becomes the file's name without folder and extension.
  bool AddFavourite(const std::string& file, std::string name, int target);
  // Executes the favourite of slot index (0-9).
  void Favexec(int index);
  // The name a favourite gets from its file: C:\games\STAR.CMD -> STAR.
  static std::string ProgramNameOf(const std::string& file);

  // ---- ROM images (rom_commands.cpp) ----
  // Loads the user's images from folder over the built-in ones and restarts
  // the machine with them; every refused file in one message. True when at
  // least the folder could be read.
  bool UseRomFolder(const std::string& folder);
  // Back to the built-in images, restarting the machine.
  void UseBuiltInRoms();
  const std::string& RomFolder() const { return romFolder_; }
  // One line naming the ROM set that runs, for the About box.
  std::string RomSetDescription() const;

  // ---- The printer (printer_commands.cpp) ----
  void LoadPaper() { emulator_.printer.LoadPaper(); }
  void SavePaper() { emulator_.printer.Savetofile1Click(*Hosts().dialogs); }
  void SetPrinterWidth(int width) { emulator_.printer.SetLineWidth(width); }

 private:
  void RestartWithRoms();
  Favourites favourites_;
  std::string romFolder_;
  // While a paste is being typed: the characters it skipped, to report at
  // its end.
  std::optional<std::size_t> pasteSkipped_;

  MachineMemory Memory() const { return MachineMemory(emulator_.machine.memory); }
  const EmulatorHosts& Hosts() const { return emulator_.Hosts(); }

  Emulator& emulator_;
};

}  // namespace quillor
