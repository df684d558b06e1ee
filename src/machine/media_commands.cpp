// The user's media and program commands: inserting and removing disks and
// tapes, the panels' mouse buttons, autostart, text input and starting a file
// named on the command line or dropped on the window. Dialogs and messages go
// through the dialog host; the window refreshes its drive menu captions from
// DiskDrives::MenuCaption after each of these calls.
#include "machine/emulator.h"
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

void Emulator::LoadImage(int slot, int mode) {
  if (!IsDrive(slot) && slot != kCassetteSlot) return;
  if (mode == kMediaInsert) {
    const bool drive = IsDrive(slot);
    if (!drive) cassette.ForcePanelStateRedraw();
    const auto choice = hosts_.dialogs->ChooseOpenFile(drive ? kDiskTitle : kCassetteTitle,
                                                       drive ? kDiskFilter : kCassetteFilter, "");
    if (choice) {
      InsertMedia(slot, choice->path);
      return;
    }
  } else if (mode == kMediaRemove) {
    RemoveMedia(slot);
  }
  RefreshMediaSlot(slot);
}

bool Emulator::InsertMedia(int slot, const std::string& path) {
  if (!IsDrive(slot) && slot != kCassetteSlot) return false;
  const bool opened = IsDrive(slot) ? drives.OpenMediaImage(path, slot) : cassette.OpenMediaImage(path);
  if (!opened) {
    hosts_.dialogs->ShowMessage(kUnknownImageFormat, MessageKind::Warning);
    RemoveMedia(slot);
  } else if (IsDrive(slot) && drives.Present(slot)) {
    // The controller's track buffer takes track 0 of the new disk.
    fdc.DiskInserted(slot);
    const std::string& notice = drives.Drive(slot).image.Notice();
    if (!notice.empty()) hosts_.dialogs->ShowMessage(notice, MessageKind::Warning);
  }
  RefreshMediaSlot(slot);
  return opened;
}

void Emulator::RemoveMedia(int slot) {
  if (IsDrive(slot)) {
    drives.RemoveDisk(slot);
  } else if (slot == kCassetteSlot) {
    cassette.RemoveCassette();
  }
}

void Emulator::RefreshMediaSlot(int slot) {
  const bool named = IsDrive(slot) ? !drives.FileName(slot).empty() : !cassette.FileName().empty();
  display.ShowMediaPicture(slot, named, *hosts_.panels);
  cassette.ForcePanelStateRedraw();
  cassette.RequestStatusRedraw();
}

void Emulator::pDiskMouseDown(int drive, int button) {
  if (IsDrive(drive)) LoadImage(drive, button);
}

void Emulator::pCasMouseDown(int button, int x, int y) {
  if (cassette.Inserted() && CassetteDeck::HitsRewindButton(x, y)) {
    cassette.Rewind(cassettePanel);
    return;
  }
  LoadImage(kCassetteSlot, button);
}

void Emulator::RewindCassette() {
  if (cassette.Inserted()) cassette.Rewind(cassettePanel);
}

int32_t Emulator::AutostartFile(const std::string& path) {
  const int32_t result = LoadProgramFile(path, false, machine.memory, cpu);
  if (result >= 0) {
    cpu.PC = static_cast<uint16_t>(result);
    if (hosts_.debugger->DebuggerVisible()) hosts_.debugger->RefreshDebugger(cpu.PC);
  } else if (result == kNotAProgram) {
    hosts_.dialogs->ShowMessage(kNotAProgramFile, MessageKind::Warning);
  }
  // The loader wrote memory behind the video dirty map.
  display.RedrawScreen(Memory(), *hosts_.panels);
  return result;
}

void Emulator::Autostart1Click() {
  const auto choice = hosts_.dialogs->ChooseOpenFile(kAutostartTitle, kAutostartFilter, "");
  if (choice) {
    AutostartFile(choice->path);
  } else {
    display.RedrawScreen(Memory(), *hosts_.panels);
  }
}

void Emulator::Textinput1Click() {
  const auto choice = hosts_.dialogs->ChooseOpenFile(kTextTitle, kTextFilter, "");
  if (textInput.Active()) textInput.Stop();
  if (choice) StartTextInput(choice->path);
}

bool Emulator::StartTextInput(const std::string& path) {
  if (textInput.Start(path)) return true;
  // Silently doing nothing would leave the user waiting for text that never comes.
  hosts_.dialogs->ShowMessage("File not found!", MessageKind::Warning);
  return false;
}

bool Emulator::StartFile(const std::string& path) {
  const int32_t entry = LoadProgramFile(path, true, machine.memory, cpu);
  if (entry >= 0) {
    cpu.PC = static_cast<uint16_t>(entry);
    display.RedrawScreen(Memory(), *hosts_.panels);
    return true;
  }
  const bool opened = cassette.OpenMediaImage(path);
  RefreshMediaSlot(kCassetteSlot);
  return opened;
}

void Emulator::StartCommandLineFile() { StartFile(commandLineFile); }

}  // namespace quillor
