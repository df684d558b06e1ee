#include "qt/key_position.h"

#include <QKeyEvent>
#include <Qt>
#include <array>
#include <utility>

namespace quillor {
namespace {

// Positions by their Linux input-layer names.
// clang-format off
enum Position : int {
  kEsc = 1, k1 = 2, k9 = 10, k0 = 11, kMinus = 12, kEqual = 13, kBackspace = 14,
  kTab = 15, kQ = 16, kW, kE, kR, kT, kY, kU, kI, kO, kP, kLeftBrace, kRightBrace,
  kEnter = 28, kLeftCtrl = 29, kA = 30, kS, kD, kF, kG, kH, kJ, kK, kL, kSemicolon,
  kApostrophe, kGrave, kLeftShift = 42, kBackslash = 43, kZ = 44, kX, kC, kV, kB, kN,
  kM, kComma, kDot, kSlash, kRightShift = 54, kKpAsterisk = 55, kLeftAlt = 56,
  kSpace = 57, kCapsLock = 58, kF1 = 59, kF10 = 68, kNumLock = 69, kScrollLock = 70,
  kKp7 = 71, kKp8, kKp9, kKpMinus, kKp4, kKp5, kKp6, kKpPlus, kKp1, kKp2, kKp3,
  kKp0, kKpDot, k102nd = 86, kF11 = 87, kF12 = 88, kKpEnter = 96, kRightCtrl = 97,
  kKpSlash = 98, kSysRq = 99, kRightAlt = 100, kHome = 102, kUp, kPageUp, kLeft,
  kRight, kEnd, kDown, kPageDown, kInsert, kDelete, kPause = 119,
  kPositionCount = 128
};
// clang-format on

using KeyTable = std::array<uint8_t, kPositionCount>;

// The codes of a US keyboard on Windows.
// clang-format off
constexpr KeyTable BuildEnglishTable() {
  KeyTable t{};
  t[kEsc] = 0x1B;
  for (int i = 0; i < 9; ++i) t[k1 + i] = static_cast<uint8_t>('1' + i);
  t[k0] = '0';
  t[kMinus] = 0xBD; t[kEqual] = 0xBB; t[kBackspace] = 0x08; t[kTab] = 0x09;
  const char* rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
  const int starts[] = {kQ, kA, kZ};
  for (int r = 0; r < 3; ++r)
    for (int i = 0; rows[r][i] != 0; ++i) t[starts[r] + i] = static_cast<uint8_t>(rows[r][i]);
  t[kLeftBrace] = 0xDB; t[kRightBrace] = 0xDD; t[kEnter] = 0x0D;
  t[kLeftCtrl] = 0x11; t[kRightCtrl] = 0x11;
  t[kSemicolon] = 0xBA; t[kApostrophe] = 0xDE; t[kGrave] = 0xC0;
  t[kLeftShift] = 0x10; t[kRightShift] = 0x10; t[kBackslash] = 0xDC;
  t[kComma] = 0xBC; t[kDot] = 0xBE; t[kSlash] = 0xBF;
  t[kLeftAlt] = 0x12; t[kRightAlt] = 0x12; t[kSpace] = 0x20; t[kCapsLock] = 0x14;
  for (int i = 0; i < 10; ++i) t[kF1 + i] = static_cast<uint8_t>(0x70 + i);
  t[kF11] = 0x7A; t[kF12] = 0x7B;
  t[kNumLock] = 0x90; t[kScrollLock] = 0x91;
  // The numeric pad by position, whatever Num Lock says: it is the joystick.
  t[kKp7] = 0x67; t[kKp8] = 0x68; t[kKp9] = 0x69; t[kKpMinus] = 0x6D;
  t[kKp4] = 0x64; t[kKp5] = 0x65; t[kKp6] = 0x66; t[kKpPlus] = 0x6B;
  t[kKp1] = 0x61; t[kKp2] = 0x62; t[kKp3] = 0x63; t[kKp0] = 0x60; t[kKpDot] = 0x6E;
  t[kKpAsterisk] = 0x6A; t[kKpSlash] = 0x6F; t[kKpEnter] = 0x0D;
  t[k102nd] = 0xE2; t[kSysRq] = 0x2C;
  t[kHome] = 0x24; t[kUp] = 0x26; t[kPageUp] = 0x21; t[kLeft] = 0x25;
  t[kRight] = 0x27; t[kEnd] = 0x23; t[kDown] = 0x28; t[kPageDown] = 0x22;
  t[kInsert] = 0x2D; t[kDelete] = 0x2E; t[kPause] = 0x13;
  return t;
}
// clang-format on

// A Hungarian keyboard on Windows: "0" left of "1", Z and Y exchanged, and the
// accented letters on the punctuation keys.
constexpr KeyTable BuildHungarianTable() {
  KeyTable t = BuildEnglishTable();
  t[kGrave] = '0';
  t[k0] = 0xC0;
  t[kMinus] = 0xBF;
  t[kY] = 'Z';
  t[kZ] = 'Y';
  t[kSlash] = 0xBD;
  return t;
}

constexpr KeyTable kEnglishTable = BuildEnglishTable();
constexpr KeyTable kHungarianTable = BuildHungarianTable();

}  // namespace

int VirtualKeyAtPosition(int keyPosition, HostLayout layout) {
  if (keyPosition <= 0 || keyPosition >= kPositionCount) return 0;
  const KeyTable& table = layout == HostLayout::kHungarian ? kHungarianTable : kEnglishTable;
  return table[keyPosition];
}

int KeyPositionFromNativeScanCode(uint32_t nativeScanCode) {
#if defined(Q_OS_WIN)
  // Set-1 make codes, 0x100 marking the keys with an 0xE0 prefix.
  static constexpr std::pair<uint32_t, int> kExtended[] = {
      {0x11C, kKpEnter},  {0x11D, kRightCtrl}, {0x135, kKpSlash}, {0x137, kSysRq},
      {0x138, kRightAlt}, {0x147, kHome},      {0x148, kUp},      {0x149, kPageUp},
      {0x14B, kLeft},     {0x14D, kRight},     {0x14F, kEnd},     {0x150, kDown},
      {0x151, kPageDown}, {0x152, kInsert},    {0x153, kDelete},  {0x45, kPause}};
  for (auto [code, position] : kExtended)
    if (code == nativeScanCode) return position;
  if (nativeScanCode == 0x145) return kNumLock;
  return nativeScanCode < 0x59 ? static_cast<int>(nativeScanCode) : 0;
#elif defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  // X11 and Wayland report XKB key codes: the input-layer code plus 8.
  if (nativeScanCode <= 8 || nativeScanCode >= kPositionCount + 8) return 0;
  return static_cast<int>(nativeScanCode - 8);
#else
  (void)nativeScanCode;
  return 0;
#endif
}

int KeyPositionFromQtKey(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
    static constexpr int kLetterPositions[26] = {kA, kB, kC, kD, kE, kF, kG, kH, kI, kJ, kK, kL, kM,
                                                 kN, kO, kP, kQ, kR, kS, kT, kU, kV, kW, kX, kY, kZ};
    return kLetterPositions[qtKey - Qt::Key_A];
  }
  if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9) return k1 + (qtKey - Qt::Key_1);
  static constexpr std::pair<int, int> kKeys[] = {{Qt::Key_0, k0},
                                                  {Qt::Key_Minus, kMinus},
                                                  {Qt::Key_Equal, kEqual},
                                                  {Qt::Key_Backspace, kBackspace},
                                                  {Qt::Key_Tab, kTab},
                                                  {Qt::Key_BracketLeft, kLeftBrace},
                                                  {Qt::Key_BracketRight, kRightBrace},
                                                  {Qt::Key_Return, kEnter},
                                                  {Qt::Key_Enter, kKpEnter},
                                                  {Qt::Key_Control, kLeftCtrl},
                                                  {Qt::Key_Semicolon, kSemicolon},
                                                  {Qt::Key_Apostrophe, kApostrophe},
                                                  {Qt::Key_QuoteLeft, kGrave},
                                                  {Qt::Key_Shift, kLeftShift},
                                                  {Qt::Key_Backslash, kBackslash},
                                                  {Qt::Key_Comma, kComma},
                                                  {Qt::Key_Period, kDot},
                                                  {Qt::Key_Slash, kSlash},
                                                  {Qt::Key_Alt, kLeftAlt},
                                                  {Qt::Key_Space, kSpace},
                                                  {Qt::Key_Escape, kEsc},
                                                  {Qt::Key_Home, kHome},
                                                  {Qt::Key_End, kEnd},
                                                  {Qt::Key_Up, kUp},
                                                  {Qt::Key_Down, kDown},
                                                  {Qt::Key_Left, kLeft},
                                                  {Qt::Key_Right, kRight},
                                                  {Qt::Key_PageUp, kPageUp},
                                                  {Qt::Key_PageDown, kPageDown},
                                                  {Qt::Key_Insert, kInsert},
                                                  {Qt::Key_Delete, kDelete},
                                                  {Qt::Key_Pause, kPause},
                                                  {Qt::Key_F11, kF11},
                                                  {Qt::Key_F12, kF12}};
  for (auto [key, position] : kKeys)
    if (key == qtKey) return position;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10) return kF1 + (qtKey - Qt::Key_F1);
  return 0;
}

int VirtualKeyOfEvent(const QKeyEvent& event, HostLayout layout) {
  int position = KeyPositionFromNativeScanCode(event.nativeScanCode());
  if (position == 0) position = KeyPositionFromQtKey(event.key());
  return VirtualKeyAtPosition(position, layout);
}

}  // namespace quillor
