// Media and programs as the machine sees them: an image goes into a drive or
// the recorder, a program file is loaded into memory and the processor is
// pointed at it. The user's commands around these (dialogs, messages, mouse
// buttons) are the front end's.
#include "machine/emulator.h"
#include "storage/program_loader.h"

namespace quillor {
namespace {

bool IsDrive(int slot) { return slot >= 0 && slot < kDriveCount; }

}  // namespace

bool Emulator::InsertMedia(int slot, const std::string& path) {
  if (!IsDrive(slot) && slot != kCassetteSlot) return false;
  const bool opened = IsDrive(slot) ? drives.OpenMediaImage(path, slot) : cassette.OpenMediaImage(path);
  if (!opened) {
    RemoveMedia(slot);
  } else if (IsDrive(slot) && drives.Present(slot)) {
    // The controller's track buffer takes track 0 of the new disk.
    fdc.DiskInserted(slot);
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

void Emulator::RewindCassette() {
  if (cassette.Inserted()) cassette.Rewind(cassettePanel);
}

int32_t Emulator::RunProgramFile(const std::string& path) {
  const int32_t result = LoadProgramFile(path, false, machine.memory, cpu);
  if (result >= 0) {
    cpu.PC = static_cast<uint16_t>(result);
    if (debugger.Visible()) debugger.FollowProgram(cpu.PC);
  }
  // The loader wrote memory behind the video dirty map.
  display.RedrawScreen(Memory(), *hosts_.panels);
  return result;
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
