// The user's commands on the display and the monitor, the screenshot and
// memory to tape: each hands the machine's memory and the window's panels to
// the part that does the work.
#include "frontend/save_memory.h"
#include "frontend/screenshot_command.h"
#include "frontend/user_commands.h"

namespace quillor {

void UserCommands::Cut() { emulator_.display.CutCommand(Memory()); }

void UserCommands::Page() { emulator_.display.PageCommand(Memory()); }

void UserCommands::ToggleColourBoardEnabled() {
  emulator_.display.ToggleColourBoardEnabled(Memory(), emulator_.machine.UpperMemoryPresent, *Hosts().panels);
}

void UserCommands::ToggleColourBoardDisplay() {
  emulator_.display.ToggleColourBoardDisplay(Memory(), *Hosts().panels);
}

void UserCommands::ToggleMonitorBars() { emulator_.display.ToggleMonitorBars(*Hosts().panels); }

void UserCommands::ToggleScanLines() { emulator_.display.ToggleScanLines(Memory(), *Hosts().panels); }

void UserCommands::ApplySkin(Skin skin) { emulator_.display.ApplySkin(skin, Memory(), *Hosts().panels); }

void UserCommands::PressBar(int bar, int x) {
  emulator_.display.PressBar(static_cast<SettingBar>(bar), x, Memory(), *Hosts().panels);
}

void UserCommands::Screenshot() {
  const auto choice = Hosts().dialogs->ChooseSaveFile(kScreenshotTitle, kScreenshotFilter, "");
  if (!choice) return;
  if (const auto message = SaveChosenScreenshot(emulator_.display, choice->path, choice->filterIndex))
    Hosts().dialogs->ShowMessage(*message, MessageKind::Error);
}

std::optional<std::string> UserCommands::SaveScreenshotAs(const std::string& path, ScreenshotKind kind) {
  Display& display = emulator_.display;
  // The frames render the cells written during them, but a step between
  // frames (or none at all) may have left cells pending.
  display.RenderPendingCells(Memory(), emulator_.machine.VideoDirtyMap);
  return SaveScreenshot(display.surfaces.ScreenSurface, path, kind);
}

std::string UserCommands::SaveMemory(const std::string& chosen, uint16_t from, uint16_t to, uint16_t start) {
  const Emulator& emulator = emulator_;
  return SaveMemoryToCassette(chosen, from, to, start,
                              [&emulator](uint16_t address) { return emulator.PeekMemory(address); });
}

}  // namespace quillor
