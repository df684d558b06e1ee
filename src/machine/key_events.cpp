// Host keys reach the matrix or the joystick through the chosen layout.
#include "machine/emulator.h"

namespace quillor {

void Emulator::HostKeyDown(int vk) { PressHostKey(machine, layout, vk); }

void Emulator::HostKeyUp(int vk) { ReleaseHostKey(machine, layout, vk); }

}  // namespace quillor
