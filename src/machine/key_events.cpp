// Key events of the main window. Pause belongs to the scheduler; every
// other key goes to the matrix or the joystick.
#include "machine/emulator.h"

namespace quillor {

void Emulator::FormKeyDow(int vk) {
  if (vk == kVkPause) {
    TogglePause();
    return;
  }
  PressHostKey(machine, layout, vk);
}

void Emulator::FormKeyUp(int vk) {
  if (vk != kVkPause) ReleaseHostKey(machine, layout, vk);
}

}  // namespace quillor
