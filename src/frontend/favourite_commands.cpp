// Favourites: adding one from the dialog's answers and executing one.
#include <filesystem>
#include <fstream>

#include "frontend/user_commands.h"
#include "storage/program_loader.h"

namespace quillor {
namespace {

constexpr std::string_view kFileNotFound = "File not found!";

bool Readable(const std::string& file) { return std::ifstream(file, std::ios::binary).is_open(); }

// Target numbers 1-5 are the cassette and drives 0-3; -1 for any other.
int SlotOfTarget(int target) {
  if (target == kFavCassette) return kCassetteSlot;
  if (target >= kFavDisk0 && target < kFavDisk0 + kDriveCount) return target - kFavDisk0;
  return -1;
}

}  // namespace

std::string UserCommands::ProgramNameOf(const std::string& file) {
  // Both separators: a name saved on another system may use either.
  const size_t slash = file.find_last_of("/\\");
  std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot != 0) name.erase(dot);
  return name;
}

bool UserCommands::AddFavourite(const std::string& file, std::string name, int target) {
  if (file.empty()) return false;
  if (!Readable(file)) {
    Hosts().dialogs->ShowMessage(kFileNotFound, MessageKind::Warning);
    return false;
  }
  if (name.empty()) name = ProgramNameOf(file);
  return favourites_.AddFavItem(file, name, target);
}

void UserCommands::Favexec(int index) {
  if (index < 0 || index >= kFavouriteSlots || !favourites_.Slot(index).visible) return;
  const FavouriteSlot favourite = favourites_.Slot(index);
  const int slot = SlotOfTarget(favourite.target);
  if (favourite.target != kFavAutostart && slot < 0) return;
  // A file that has gone leaves everything as it was, the slot included.
  if (!Readable(favourite.file)) {
    Hosts().dialogs->ShowMessage(kFileNotFound, MessageKind::Warning);
    return;
  }
  if (favourite.target == kFavAutostart) {
    if (emulator_.RunProgramFile(favourite.file) == kBasicProgram) Hosts().timer->Start();
    return;
  }
  InsertMedia(slot, favourite.file);
  emulator_.RefreshMediaSlot(slot);
}

}  // namespace quillor
