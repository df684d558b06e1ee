// Host keys reach the matrix or the joystick through the chosen layout and
// the key queue.
#include "machine/emulator.h"

namespace quillor {

void Emulator::HostKeyDown(int vk) {
  if (const auto change = HostKeyChange(vk, layout, true)) keys.Submit(machine, *change);
}

void Emulator::HostKeyUp(int vk) {
  if (const auto change = HostKeyChange(vk, layout, false)) keys.Submit(machine, *change);
}

}  // namespace quillor
