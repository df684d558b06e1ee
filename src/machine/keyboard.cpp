#include "machine/keyboard.h"

namespace quillor {
namespace {

constexpr int kVkBackspace = 0x08;
constexpr int kVkLeft = 0x25;

// The host's codes for the keys it swaps: on a Hungarian keyboard 0 sits
// left of 1, Z and Y trade places, and the two punctuation keys beside the
// right shift trade places with the machine's.
int ApplyLayout(int vk, KeyboardLayout layout) {
  if (vk == kVkBackspace) vk = kVkLeft;
  if (layout != KeyboardLayout::HU) return vk;
  switch (vk) {
    case 0x30: return 0xC0;
    case 0xC0: return 0x30;
    case 0x59: return 0x5A;
    case 0x5A: return 0x59;
    case 0xBD: return 0xBF;
    case 0xBF: return 0xBD;
    default: return vk;
  }
}

std::optional<MatrixKey> LookUpMatrixKey(int vk) {
  auto bit = [](int n) { return static_cast<uint8_t>(1 << n); };
  if (vk == 0xDB) return MatrixKey{0, 0x01};
  if (vk >= 0x41 && vk <= 0x47) return MatrixKey{0, bit(vk - 0x41 + 1)};
  if (vk >= 0x48 && vk <= 0x5A) {
    const int n = vk - 0x48;
    return MatrixKey{1 + n / 8, bit(n % 8)};
  }
  if (vk >= 0x30 && vk <= 0x39) {
    const int n = vk - 0x30;
    return MatrixKey{4 + n / 8, bit(n % 8)};
  }
  switch (vk) {
    case 0xBD: return MatrixKey{5, 0x04};
    case 0xBA: return MatrixKey{5, 0x08};
    case 0xBC: return MatrixKey{5, 0x10};
    case 0xBB: return MatrixKey{5, 0x20};
    case 0xBE: return MatrixKey{5, 0x40};
    case 0xBF: return MatrixKey{5, 0x80};
    case 0x0D: return MatrixKey{6, 0x01};
    case 0x24: return MatrixKey{6, 0x02};
    case 0x23: return MatrixKey{6, 0x04};
    case 0x26: return MatrixKey{6, 0x08};
    case 0x28: return MatrixKey{6, 0x10};
    case kVkLeft: return MatrixKey{6, 0x20};
    case 0x27: return MatrixKey{6, 0x40};
    case 0x20: return MatrixKey{6, 0x80};
    case 0x10: return MatrixKey{7, 0x01};
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<MatrixKey> MatrixKeyForVk(int vk, KeyboardLayout layout) {
  return LookUpMatrixKey(ApplyLayout(vk, layout));
}

std::optional<uint8_t> JoystickBitForVk(int vk) {
  switch (vk) {
    case 0x68: return 0x01;
    case 0x62: return 0x02;
    case 0x64: return 0x04;
    case 0x66: return 0x08;
    case 0x11:
    case 0x60:
    case 0x65: return 0x10;
    default: return std::nullopt;
  }
}

std::optional<KeyChange> HostKeyChange(int vk, KeyboardLayout layout, bool down) {
  if (const auto key = MatrixKeyForVk(vk, layout))
    return KeyChange{static_cast<int8_t>(key->row), key->bit, down};
  if (const auto bit = JoystickBitForVk(vk)) return KeyChange{KeyChange::kJoystickRow, *bit, down};
  return std::nullopt;
}

void ApplyKeyChange(Machine& machine, KeyChange change) {
  if (change.row == KeyChange::kJoystickRow) {
    // Active low: a held direction or fire reads 0.
    if (change.down) machine.joystick &= static_cast<uint8_t>(~change.bit);
    else machine.joystick |= change.bit;
    return;
  }
  uint8_t& row = machine.KeyboardMatrix[change.row];
  if (change.down) row |= change.bit;
  else row &= static_cast<uint8_t>(~change.bit);
}

bool KeyIsDown(const Machine& machine, KeyChange change) {
  if (change.row == KeyChange::kJoystickRow) return (machine.joystick & change.bit) == 0;
  return (machine.KeyboardMatrix[change.row] & change.bit) != 0;
}

void PressHostKey(Machine& machine, KeyboardLayout layout, int vk) {
  if (const auto change = HostKeyChange(vk, layout, true)) ApplyKeyChange(machine, *change);
}

void ReleaseHostKey(Machine& machine, KeyboardLayout layout, int vk) {
  if (const auto change = HostKeyChange(vk, layout, false)) ApplyKeyChange(machine, *change);
}

}  // namespace quillor
