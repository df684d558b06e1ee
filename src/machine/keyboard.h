// Host key events, as Windows virtual-key codes, turned into the bits of the
// keyboard matrix and the joystick byte. Keys are mapped by position, not by
// the character the host would type: the machine's ROM decodes the matrix.
#pragma once

#include <cstdint>
#include <optional>

#include "machine/machine.h"

namespace quillor {

enum class KeyboardLayout { EN = 0, HU = 1 };

inline constexpr int kVkPause = 0x13;

// A key of the machine's matrix.
struct MatrixKey {
  int row;
  uint8_t bit;
};

// The matrix key a virtual-key code plays after the layout swaps, if any.
std::optional<MatrixKey> MatrixKeyForVk(int vk, KeyboardLayout layout);
// The joystick bit a virtual-key code drives, if any.
std::optional<uint8_t> JoystickBitForVk(int vk);

// One change of a key: a matrix bit (row 0-7) or a joystick bit (row
// kJoystickRow).
struct KeyChange {
  static constexpr int8_t kJoystickRow = -1;
  int8_t row;
  uint8_t bit;
  bool down;
};

// The change a host key-down or key-up makes, if the key plays any.
std::optional<KeyChange> HostKeyChange(int vk, KeyboardLayout layout, bool down);
// Sets or clears the bit: a matrix bit is 1 while held, a joystick bit 0.
void ApplyKeyChange(Machine& machine, KeyChange change);
// Whether the change's key is held now.
bool KeyIsDown(const Machine& machine, KeyChange change);

// Key down and key up straight to the matrix, Pause excluded (the
// scheduler's).
void PressHostKey(Machine& machine, KeyboardLayout layout, int vk);
void ReleaseHostKey(Machine& machine, KeyboardLayout layout, int vk);

}  // namespace quillor
