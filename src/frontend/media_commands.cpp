// The user's media and program commands: inserting and removing disks and
// tapes, the panels' mouse buttons, autostart, text input and paste. Dialogs and
// messages go through the dialog host; the window refreshes its drive menu
// captions from DiskDrives::MenuCaption after each of these calls.
#include <utility>

#include "frontend/typed_text.h"
#include "frontend/user_commands.h"
#include "storage/program_loader.h"

namespace quillor {
namespace {

constexpr std::string_view kUnknownImageFormat = "Unknown image format!";
constexpr std::string_view kNotAProgramFile = "Not a program file!";

constexpr std::string_view kDiskFilter = "Disk images (*.dsk)|*.DSK";
constexpr std::string_view kDiskTitle = "Insert disk image";
constexpr std::string_view kCassetteFilter = "Cassette images (*.asm, *.bas, *.cas)|*.ASM; *.BAS; *.CAS";
constexpr std::string_view kCassetteTitle = "Insert cassette image";
constexpr std::string_view kAutostartFilter = "Program files (*.bas, *.cas, *.cmd)|*.BAS;*.CAS;*.CMD";
constexpr std::string_view kAutostartTitle = "Autostart file";
constexpr std::string_view kTextFilter = "Text files (*.txt)|*.TXT|All files (*.*)|*.*";
constexpr std::string_view kTextTitle = "Text input";

bool IsDrive(int slot) { return slot >= 0 && slot < kDriveCount; }

}  // namespace

void UserCommands::LoadImage(int slot, int mode) {
  if (!IsDrive(slot) && slot != kCassetteSlot) return;
  if (mode == kMediaInsert) {
    const bool drive = IsDrive(slot);
    if (!drive) emulator_.cassette.ForcePanelStateRedraw();
    const auto choice = Hosts().dialogs->ChooseOpenFile(drive ? kDiskTitle : kCassetteTitle,
                                                        drive ? kDiskFilter : kCassetteFilter, "");
    if (choice) {
      InsertMedia(slot, choice->path);
      return;
    }
  } else if (mode == kMediaRemove) {
    emulator_.RemoveMedia(slot);
  }
  emulator_.RefreshMediaSlot(slot);
}

bool UserCommands::InsertMedia(int slot, const std::string& path) {
  if (!IsDrive(slot) && slot != kCassetteSlot) return false;
  const bool opened = emulator_.InsertMedia(slot, path);
  if (!opened) {
    Hosts().dialogs->ShowMessage(kUnknownImageFormat, MessageKind::Warning);
  } else if (IsDrive(slot) && emulator_.drives.Present(slot)) {
    // An image that opened but may not be written says why.
    const std::string& notice = emulator_.drives.Drive(slot).image.Notice();
    if (!notice.empty()) Hosts().dialogs->ShowMessage(notice, MessageKind::Warning);
  }
  return opened;
}

void UserCommands::DrivePanelPress(int drive, int mode) {
  if (IsDrive(drive)) LoadImage(drive, mode);
}

void UserCommands::CassettePanelPress(int mode, int x, int y) {
  if (emulator_.cassette.Inserted() && CassetteDeck::HitsRewindButton(x, y)) {
    emulator_.RewindCassette();
    return;
  }
  LoadImage(kCassetteSlot, mode);
}

int32_t UserCommands::AutostartFile(const std::string& path) {
  const int32_t result = emulator_.RunProgramFile(path);
  if (result == kNotAProgram) Hosts().dialogs->ShowMessage(kNotAProgramFile, MessageKind::Warning);
  return result;
}

void UserCommands::Autostart() {
  const auto choice = Hosts().dialogs->ChooseOpenFile(kAutostartTitle, kAutostartFilter, "");
  if (choice) {
    AutostartFile(choice->path);
  } else {
    emulator_.display.RedrawScreen(Memory(), *Hosts().panels);
  }
}

void UserCommands::TextInput() {
  const auto choice = Hosts().dialogs->ChooseOpenFile(kTextTitle, kTextFilter, "");
  if (emulator_.textInput.Active()) emulator_.textInput.Stop();
  pasteSkipped_.reset();
  if (choice) StartTextInput(choice->path);
}

bool UserCommands::StartTextInput(const std::string& path) {
  if (emulator_.StartTextInput(path)) return true;
  // Silently doing nothing would leave the user waiting for text that never comes.
  Hosts().dialogs->ShowMessage("File not found!", MessageKind::Warning);
  return false;
}

bool UserCommands::PasteText(std::string_view utf8) {
  if (emulator_.textInput.Active()) {
    emulator_.textInput.Stop();
    pasteSkipped_.reset();
    return false;
  }
  TypedText text = TextForTyping(utf8);
  if (text.bytes.empty()) {
    if (text.skipped > 0)
      Hosts().dialogs->ShowMessage(SkippedCharactersMessage(text.skipped), MessageKind::Information);
    return false;
  }
  emulator_.textInput.StartWithText(std::move(text.bytes));
  pasteSkipped_ = text.skipped;
  return true;
}

std::size_t UserCommands::TypeText(std::string_view utf8) {
  TypedText text = TextForTyping(utf8);
  pasteSkipped_.reset();
  emulator_.textInput.StartWithText(std::move(text.bytes));
  return text.skipped;
}

void UserCommands::AfterTick() {
  if (!pasteSkipped_ || emulator_.textInput.Active()) return;
  const std::size_t skipped = *pasteSkipped_;
  pasteSkipped_.reset();
  if (skipped > 0) Hosts().dialogs->ShowMessage(SkippedCharactersMessage(skipped), MessageKind::Information);
}

}  // namespace quillor
