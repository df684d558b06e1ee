#include "machine/keyboard.h"

#include <gtest/gtest.h>

#include <memory>

#include "frontend/user_commands.h"
#include "machine/emulator.h"

namespace quillor {
namespace {

TEST(Keyboard, ReleasingOneKeyKeepsTheOthersOfItsRow) {
  Machine m;
  PressHostKey(m, KeyboardLayout::EN, 'H');
  PressHostKey(m, KeyboardLayout::EN, 'I');
  EXPECT_EQ(m.KeyboardMatrix[1], 0x03);
  ReleaseHostKey(m, KeyboardLayout::EN, 'I');
  EXPECT_EQ(m.KeyboardMatrix[1], 0x01);
}

TEST(Keyboard, TableCornersLandOnTheirRowsAndBits) {
  struct Case {
    int vk;
    int row;
    uint8_t bit;
  };
  for (const Case c : {Case{0xDB, 0, 0x01}, Case{'A', 0, 0x02},  Case{'G', 0, 0x80},  Case{'O', 1, 0x80},
                       Case{'P', 2, 0x01},  Case{'W', 2, 0x80},  Case{'X', 3, 0x01},  Case{'Z', 3, 0x04},
                       Case{'1', 4, 0x02},  Case{'9', 5, 0x02},  Case{0xBA, 5, 0x08}, Case{0xBB, 5, 0x20},
                       Case{0xBE, 5, 0x40}, Case{0x0D, 6, 0x01}, Case{0x24, 6, 0x02}, Case{0x23, 6, 0x04},
                       Case{0x26, 6, 0x08}, Case{0x28, 6, 0x10}, Case{0x27, 6, 0x40}, Case{0x20, 6, 0x80},
                       Case{0x10, 7, 0x01}}) {
    const auto key = MatrixKeyForVk(c.vk, KeyboardLayout::EN);
    ASSERT_TRUE(key) << c.vk;
    EXPECT_EQ(key->row, c.row) << c.vk;
    EXPECT_EQ(key->bit, c.bit) << c.vk;
  }
  for (int vk : {0x12, 0x70, 0x61, 0x09, 0x1B, 0xC0})
    EXPECT_FALSE(MatrixKeyForVk(vk, KeyboardLayout::EN)) << vk;
}

TEST(Keyboard, HungarianLayoutSwapsItsKeys) {
  auto row = [](int vk, KeyboardLayout layout) { return MatrixKeyForVk(vk, layout); };
  EXPECT_EQ(row(0xC0, KeyboardLayout::HU)->row, 4);
  EXPECT_EQ(row(0xC0, KeyboardLayout::HU)->bit, 0x01);
  EXPECT_FALSE(row(0x30, KeyboardLayout::HU));
  EXPECT_FALSE(row(0xC0, KeyboardLayout::EN));
  EXPECT_EQ(row('Y', KeyboardLayout::HU)->bit, 0x04);  // plays Z
  EXPECT_EQ(row('Z', KeyboardLayout::HU)->bit, 0x02);
  EXPECT_EQ(row(0xBD, KeyboardLayout::HU)->bit, 0x80);  // plays /
  EXPECT_EQ(row(0xBF, KeyboardLayout::HU)->bit, 0x04);  // plays :
  EXPECT_EQ(row(0xBD, KeyboardLayout::EN)->bit, 0x04);
}

TEST(Keyboard, BackspaceIsLeftArrow) {
  Machine m;
  PressHostKey(m, KeyboardLayout::HU, 0x08);
  EXPECT_EQ(m.KeyboardMatrix[6], 0x20);
  ReleaseHostKey(m, KeyboardLayout::HU, 0x25);
  EXPECT_EQ(m.KeyboardMatrix[6], 0x00);
}

TEST(Keyboard, AnyFireKeyReleasesFire) {
  Machine m;
  PressHostKey(m, KeyboardLayout::HU, 0x11);
  PressHostKey(m, KeyboardLayout::HU, 0x60);
  PressHostKey(m, KeyboardLayout::HU, 0x65);
  EXPECT_EQ(m.joystick, 0xEF);
  ReleaseHostKey(m, KeyboardLayout::HU, 0x60);
  EXPECT_EQ(m.joystick, 0xFF);
  PressHostKey(m, KeyboardLayout::HU, 0x62);
  PressHostKey(m, KeyboardLayout::HU, 0x64);
  PressHostKey(m, KeyboardLayout::HU, 0x66);
  EXPECT_EQ(m.joystick, 0xF1);
}

TEST(Keyboard, PauseTogglesOnKeyDownOnly) {
  auto e = std::make_unique<Emulator>();
  UserCommands commands(*e);
  commands.KeyDown(kVkPause);
  EXPECT_TRUE(e->scheduler.Paused);
  commands.KeyUp(kVkPause);
  EXPECT_TRUE(e->scheduler.Paused);
  commands.KeyDown(kVkPause);
  EXPECT_FALSE(e->scheduler.Paused);
  EXPECT_EQ(e->machine.KeyboardMatrix, (std::array<uint8_t, 8>{}));
}

}  // namespace
}  // namespace quillor
