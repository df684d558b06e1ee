#include "qt/key_position.h"

#include <gtest/gtest.h>

#include <Qt>

namespace quillor {
namespace {

// Positions as the Linux input layer numbers them.
constexpr int kGrave = 41, kZero = 11, kMinus = 12, kY = 21, kZ = 44, kSlash = 53;
constexpr int kLeftBrace = 26, kBackspace = 14, kKp8 = 72, kUp = 103;

TEST(KeyPosition, KeysThatDoNotMoveBetweenLayouts) {
  for (HostLayout layout : {HostLayout::kEnglish, HostLayout::kHungarian}) {
    EXPECT_EQ(VirtualKeyAtPosition(kLeftBrace, layout), 0xDB);
    EXPECT_EQ(VirtualKeyAtPosition(30, layout), 'A');
    EXPECT_EQ(VirtualKeyAtPosition(kBackspace, layout), 0x08);
    EXPECT_EQ(VirtualKeyAtPosition(kKp8, layout), 0x68);
    EXPECT_EQ(VirtualKeyAtPosition(kUp, layout), 0x26);
    EXPECT_EQ(VirtualKeyAtPosition(42, layout), 0x10);
    EXPECT_EQ(VirtualKeyAtPosition(54, layout), 0x10);
  }
}

TEST(KeyPosition, HungarianCodesAreTheOnesTheKeyboardRuleSwapsBack) {
  // The machine's layout rule exchanges 0x30/0xC0, Y/Z and 0xBD/0xBF; after
  // that exchange every position must give the same code as in English.
  auto swapped = [](int code) {
    switch (code) {
      case 0x30: return 0xC0;
      case 0xC0: return 0x30;
      case 'Y': return int('Z');
      case 'Z': return int('Y');
      case 0xBD: return 0xBF;
      case 0xBF: return 0xBD;
      default: return code;
    }
  };
  for (int position = 1; position < 128; ++position)
    EXPECT_EQ(swapped(VirtualKeyAtPosition(position, HostLayout::kHungarian)),
              VirtualKeyAtPosition(position, HostLayout::kEnglish))
        << "position " << position;
  EXPECT_EQ(VirtualKeyAtPosition(kGrave, HostLayout::kHungarian), 0x30);
  EXPECT_EQ(VirtualKeyAtPosition(kZero, HostLayout::kHungarian), 0xC0);
  EXPECT_EQ(VirtualKeyAtPosition(kMinus, HostLayout::kHungarian), 0xBF);
  EXPECT_EQ(VirtualKeyAtPosition(kSlash, HostLayout::kHungarian), 0xBD);
  EXPECT_EQ(VirtualKeyAtPosition(kY, HostLayout::kHungarian), 'Z');
  EXPECT_EQ(VirtualKeyAtPosition(kZ, HostLayout::kHungarian), 'Y');
}

TEST(KeyPosition, OutOfRangePositionsGiveNoKey) {
  EXPECT_EQ(VirtualKeyAtPosition(0, HostLayout::kEnglish), 0);
  EXPECT_EQ(VirtualKeyAtPosition(-5, HostLayout::kEnglish), 0);
  EXPECT_EQ(VirtualKeyAtPosition(500, HostLayout::kHungarian), 0);
  EXPECT_EQ(VirtualKeyAtPosition(84, HostLayout::kEnglish), 0);
}

#if defined(Q_OS_LINUX)
TEST(KeyPosition, XkbKeyCodesAreInputCodesPlusEight) {
  EXPECT_EQ(KeyPositionFromNativeScanCode(34), kLeftBrace);
  EXPECT_EQ(KeyPositionFromNativeScanCode(9), 1);
  EXPECT_EQ(KeyPositionFromNativeScanCode(0), 0);
  EXPECT_EQ(KeyPositionFromNativeScanCode(8), 0);
  EXPECT_EQ(KeyPositionFromNativeScanCode(1000), 0);
}
#endif

TEST(KeyPosition, QtKeysFallBackToUsPositions) {
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_BracketLeft), kLeftBrace);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_Y), kY);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_Z), kZ);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_M), 50);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_0), kZero);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_9), 10);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_Backspace), kBackspace);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_F10), 68);
  EXPECT_EQ(KeyPositionFromQtKey(Qt::Key_Eacute), 0);
}

}  // namespace
}  // namespace quillor
