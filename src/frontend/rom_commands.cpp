// The user's own ROM and character generator images.
#include "frontend/user_commands.h"

namespace quillor {

void UserCommands::RestartWithRoms() {
  // Forcing the family change loads the images and resets the processor.
  const int model = ValidModel(emulator_.machine.model) ? emulator_.machine.model : kDefaultModel;
  emulator_.machine.model = -1;
  emulator_.SetModel(model);
  emulator_.display.RedrawScreen(Memory(), *Hosts().panels);
}

bool UserCommands::UseRomFolder(const std::string& folder) {
  emulator_.roms.ClearUserImages();
  const auto problems = emulator_.UseRomFolder(folder);
  const bool used = !emulator_.roms.UserImageNames().empty();
  romFolder_ = used ? folder : std::string();
  if (!problems.empty() || !used) {
    std::string text;
    for (const auto& problem : problems) text += problem + "\n";
    if (!used) text += "No ROM image of " + folder + " is used; the built-in ROMs run.";
    Hosts().dialogs->ShowMessage(text, MessageKind::Warning);
  }
  RestartWithRoms();
  return used;
}

void UserCommands::UseBuiltInRoms() {
  emulator_.roms.ClearUserImages();
  romFolder_.clear();
  RestartWithRoms();
}

std::string UserCommands::RomSetDescription() const {
  const auto names = emulator_.roms.UserImageNames();
  if (names.empty()) return "ROM set: built-in";
  std::string text = "ROM set: the user's images from " + romFolder_ + " (";
  for (size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + names[i];
  return text + "), built-in for the rest";
}

}  // namespace quillor
