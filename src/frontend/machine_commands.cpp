// The user's commands on the running machine: pause, host keys, reset and
// the About box.
#include "frontend/user_commands.h"

namespace quillor {

void UserCommands::TogglePause() {
  const bool paused = !emulator_.scheduler.Paused;
  emulator_.SetPaused(paused);
  Hosts().window->SetCaption(paused ? "Quillor -  [Paused]" : "Quillor");
}

void UserCommands::ToggleFastTape() { emulator_.SetFastTape(!emulator_.scheduler.fastTape); }

void UserCommands::KeyDown(int vk) {
  if (vk == kVkPause) {
    TogglePause();
    return;
  }
  emulator_.HostKeyDown(vk);
}

void UserCommands::KeyUp(int vk) {
  if (vk != kVkPause) emulator_.HostKeyUp(vk);
}

void UserCommands::Reset() {
  emulator_.ResetMachine();
  if (emulator_.scheduler.DebuggerStopped) emulator_.debugger.FollowProgram(emulator_.cpu.PC);
}

void UserCommands::About() {
  Hosts().dialogs->ShowMessage(std::string(kMainCaption) + "\n" + RomSetDescription(),
                               MessageKind::Information);
}

void UserCommands::ToggleSound() { SetSound(!emulator_.sound.Enabled()); }

void UserCommands::SetSound(bool on) {
  if (emulator_.sound.Available()) emulator_.sound.SetEnabled(on);
}

}  // namespace quillor
