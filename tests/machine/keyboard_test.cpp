#include "machine/keyboard.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

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

// The key queue on its own: changes reach the matrix one dwell apart, in
// order, and repeats change nothing.
constexpr KeyChange Key(int row, uint8_t bit, bool down) { return {static_cast<int8_t>(row), bit, down}; }

// The machine reads the keys, then runs tstates.
void Look(KeyQueue& q, Machine& m, int tstates) {
  q.NoteRead();
  q.Advance(m, tstates);
}

TEST(KeyQueue, AShortPressStaysAndItsReleaseShowsBeforeTheSameKeyAgain) {
  Machine m;
  KeyQueue q;
  q.Submit(m, Key(0, 0x02, true));
  q.Submit(m, Key(0, 0x02, false));
  q.Submit(m, Key(0, 0x02, true));
  q.Submit(m, Key(0, 0x02, false));
  EXPECT_EQ(m.KeyboardMatrix[0], 0x02) << "the first change reaches the matrix at once";
  q.Advance(m, 5 * KeyQueue::kDwellTStates);
  EXPECT_EQ(m.KeyboardMatrix[0], 0x02) << "the dwell starts when the machine reads the keys";
  EXPECT_EQ(q.DueIn(), KeyQueue::kNothingDue);
  q.NoteRead();
  EXPECT_EQ(q.DueIn(), KeyQueue::kDwellTStates);
  q.Advance(m, KeyQueue::kDwellTStates - 1);
  EXPECT_EQ(m.KeyboardMatrix[0], 0x02);
  q.Advance(m, 1);
  EXPECT_EQ(m.KeyboardMatrix[0], 0x00);
  Look(q, m, KeyQueue::kDwellTStates + 7);  // a long instruction overshoots
  EXPECT_EQ(m.KeyboardMatrix[0], 0x02);
  Look(q, m, KeyQueue::kDwellTStates);
  EXPECT_EQ(m.KeyboardMatrix[0], 0x00);
  EXPECT_EQ(q.Pending(), 0u);
  EXPECT_EQ(q.DueIn(), KeyQueue::kNothingDue);
}

TEST(KeyQueue, RepeatsChangeNothingAndARowKeepsItsOtherKeys) {
  Machine m;
  KeyQueue q;
  q.Submit(m, Key(1, 0x01, true));   // H
  q.Submit(m, Key(1, 0x02, true));   // I
  q.Submit(m, Key(1, 0x01, true));   // H repeats while waiting: nothing new
  q.Submit(m, Key(1, 0x02, false));  // I up
  q.Submit(m, Key(1, 0x02, false));  // a second up of I: nothing new
  EXPECT_EQ(q.Pending(), 2u);
  Look(q, m, KeyQueue::kDwellTStates);
  EXPECT_EQ(m.KeyboardMatrix[1], 0x03);
  Look(q, m, KeyQueue::kDwellTStates);
  EXPECT_EQ(m.KeyboardMatrix[1], 0x01);
  for (int i = 0; i < 10; ++i) q.Submit(m, Key(1, 0x01, true));  // a held key repeating
  EXPECT_EQ(q.Pending(), 0u);
  Look(q, m, 10 * KeyQueue::kDwellTStates);
  EXPECT_EQ(m.KeyboardMatrix[1], 0x01);
  q.Submit(m, Key(1, 0x01, false));  // long after the last change: at once
  EXPECT_EQ(m.KeyboardMatrix[1], 0x00);
}

TEST(KeyQueue, TheJoystickGoesThroughInOrderActiveLow) {
  Machine m;
  KeyQueue q;
  q.Submit(m, Key(KeyChange::kJoystickRow, 0x10, true));
  q.Submit(m, Key(KeyChange::kJoystickRow, 0x10, false));
  EXPECT_EQ(m.joystick, 0xEF);
  Look(q, m, KeyQueue::kDwellTStates);
  EXPECT_EQ(m.joystick, 0xFF);
}

TEST(KeyQueue, WhenFullTheWaitingPressesAreKeptAndTheNewOnesCounted) {
  Machine m;
  KeyQueue q;
  // Row 0-5 keys pressed and released back to back, more than fit.
  int submitted = 0;
  for (int round = 0; round < 3; ++round)
    for (int row = 0; row < 6; ++row)
      for (int column = 0; column < 8; ++column) {
        const auto bit = static_cast<uint8_t>(1 << column);
        q.Submit(m, Key(row, bit, true));
        q.Submit(m, Key(row, bit, false));
        ++submitted;
      }
  const uint64_t refused = q.RefusedPresses();
  EXPECT_EQ(refused, static_cast<uint64_t>(submitted - 1 - KeyQueue::kMaxPendingPresses));
  // The presses come out in the order they went in, each with its release.
  std::vector<std::pair<int, uint8_t>> pressed;
  while (q.Pending() > 0) {
    Look(q, m, KeyQueue::kDwellTStates);
    for (int row = 0; row < 8; ++row)
      if (m.KeyboardMatrix[row] != 0) pressed.emplace_back(row, m.KeyboardMatrix[row]);
  }
  ASSERT_EQ(pressed.size(), KeyQueue::kMaxPendingPresses);
  EXPECT_EQ(pressed.front(), (std::pair<int, uint8_t>{0, 0x02})) << "row 0 column 1 follows the first press";
  // The 65th press of all: the second round's row 2, column 0.
  EXPECT_EQ(pressed.back(), (std::pair<int, uint8_t>{2, 0x01}));
  EXPECT_EQ(m.KeyboardMatrix, (std::array<uint8_t, 8>{}));
}

}  // namespace
}  // namespace quillor
