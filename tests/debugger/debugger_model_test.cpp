// The debugger driven by keys and clicks, read back from its text grid and
// pixels.
#include <gtest/gtest.h>

#include <string>

#include "debugger/debugger_fakes.h"
#include "debugger/debugger_model.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

class DebuggerModelTest : public ::testing::Test {
 protected:
  // A pixel inside the cell, as a mouse press there would report it.
  void Click(MouseButton button, int column, int row) {
    model.MouseDown(button, 8 * column + 6, 8 * row + 7);
  }
  void Keys(std::string_view keys) {
    for (const char k : keys) model.KeyDown(k);
  }
  std::string Row(int row, int column = 0, int count = 43) const {
    return model.Screen().Text(column, row, count);
  }
  int Attr(int column, int row) const { return model.Screen().Attribute(column, row); }
  // Stops the machine at PC as a breakpoint would.
  void StopAt(uint16_t pc) {
    target.cpu.PC = pc;
    target.stopped = true;
    model.DebuggerBreak();
  }

  FakeDebugTarget target;
  FakeDebuggerWindow window;
  DebuggerModel model{target, window, FindEmbeddedResource("FIXEDSYS")};
};

TEST_F(DebuggerModelTest, CreationDrawsFramesAndLabelsOnly) {
  const TextScreen& screen = model.Screen();
  EXPECT_EQ(screen.Text(44, 0, 20), "AF       AF'      IX");
  EXPECT_EQ(screen.Text(44, 10, 13), "DISK SELECT :");
  EXPECT_EQ(screen.Attribute(44, 10), 1);
  EXPECT_EQ(screen.Text(46, 28, 4), "+12:");
  EXPECT_EQ(screen.Text(56, 19, 9), "BREAKPTS:");
  // Frame 1 (cells 0,0 - 43,29): lines at x 2 and 350, y 2 and 238.
  EXPECT_EQ(screen.Pixel(2, 100), kFrameColourIndex);
  EXPECT_EQ(screen.Pixel(350, 100), kFrameColourIndex);
  EXPECT_EQ(screen.Pixel(100, 238), kFrameColourIndex);
  // Frame 7's right and bottom lines at the picture's edge.
  EXPECT_EQ(screen.Pixel(558, 300), kFrameColourIndex);
  EXPECT_EQ(screen.Pixel(300, 374), kFrameColourIndex);
  EXPECT_EQ(screen.Pixel(100, 100), 0);
  EXPECT_EQ(screen.Palette()[0], (Rgb{0x18, 0x30, 0x60}));
  EXPECT_EQ(screen.Palette()[9], (Rgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(screen.Palette()[19], (Rgb{0x00, 0x00, 0x00}));
  EXPECT_EQ(screen.Palette()[kFrameColourIndex], (Rgb{64, 192, 255}));
  EXPECT_FALSE(model.Visible());
}

TEST_F(DebuggerModelTest, GlyphsAreDrawnInTheCellsAttributeColours) {
  const auto font = FindEmbeddedResource("FIXEDSYS");
  ASSERT_EQ(font.size(), 4096u);
  // "D" of "DISK SELECT :" at (44, 10), attribute 1: pixels 2 or 3.
  const size_t glyph = ('D' - 0x20) * 64;
  int lit = 0;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int expected = 2 + font[glyph + 8 * y + x];
      EXPECT_EQ(model.Screen().Pixel(8 * 44 + 5 + x, 8 * 10 + 5 + y), expected);
      lit += font[glyph + 8 * y + x];
    }
  }
  EXPECT_GT(lit, 0);
}

TEST_F(DebuggerModelTest, StoppingAtABreakpointShowsTheLineAtPcInRowFive) {
  target.Load(0x4000, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3E, 0xFF, 0xC9});
  target.breakpoints[0] = 0x4006;
  target.breakpoints[kTemporaryBreakpointEntry] = 0x4006;
  target.focusCountdown = 7;
  StopAt(0x4006);
  EXPECT_TRUE(window.shown);
  EXPECT_EQ(window.caption, "Z80 CPU [Stopped]");
  EXPECT_EQ(window.focusCount, 1);
  EXPECT_TRUE(target.stopped);
  EXPECT_EQ(target.breakpoints[kTemporaryBreakpointEntry], -1);
  EXPECT_EQ(target.focusCountdown, 0);
  EXPECT_EQ(Row(5), "4006  3E FF        LD      A,0FFH          ");
  EXPECT_EQ(Attr(0, 5), 9);  // PC, breakpoint and view address
  EXPECT_EQ(Row(6, 0, 22), "4008  C9           RET");
  EXPECT_EQ(Attr(0, 6), 0);
  EXPECT_EQ(Row(4, 0, 4), "4005");
  EXPECT_EQ(Row(19, 65, 4), "4006");
  EXPECT_EQ(Attr(65, 19), 1);  // the breakpoint at PC
  EXPECT_EQ(Row(3, 65, 4), "4006");
}

TEST_F(DebuggerModelTest, AnIllegalInstructionReadsInCapitals) {
  target.Load(0x4000, {0xED, 0x00, 0xC9});
  StopAt(0x4000);
  EXPECT_EQ(Row(5, 0, 26), "4000  ED 00        ILLEGAL");
  // Every letter is drawn: the cell of the last L has lit pixels.
  bool lit = false;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) lit |= model.Screen().Pixel(8 * 25 + 5 + x, 8 * 5 + 5 + y) % 2 == 1;
  EXPECT_TRUE(lit);
}

TEST_F(DebuggerModelTest, LineAttributesCombinePcBreakpointAndView) {
  StopAt(0x5000);  // NOPs everywhere
  target.breakpoints[0] = 0x5001;
  model.KeyDown(kVkDown);  // view 0x5001
  EXPECT_EQ(model.ViewAddress(), 0x5001);
  EXPECT_EQ(Row(5, 0, 4), "5001");
  EXPECT_EQ(Attr(0, 5), 8);  // view and breakpoint
  EXPECT_EQ(Attr(0, 4), 4);  // PC alone
  model.KeyDown(kVkDown);
  EXPECT_EQ(Attr(0, 5), 7);  // view alone
  EXPECT_EQ(Attr(0, 4), 5);  // breakpoint alone
  model.KeyDown(kVkPageUp);
  EXPECT_EQ(model.ViewAddress(), 0x5002 - 29);
  model.KeyDown(kVkPageDown);
  EXPECT_EQ(model.ViewAddress(), 0x5002);
}

TEST_F(DebuggerModelTest, ChangedRegistersAndFlagsAreHighlightedUntilTheNextResume) {
  StopAt(0x4000);
  model.KeyDown(kVkF9);
  target.stopped = true;
  target.cpu.SetBC(0x1234);
  target.cpu.F = 0x41;  // Z and C
  model.RefreshDebugger();
  EXPECT_EQ(Row(1, 47, 4), "1234");
  EXPECT_EQ(Attr(47, 1), 2);
  EXPECT_EQ(Attr(47, 2), 0);  // DE unchanged
  EXPECT_EQ(Row(7, 44, 26), "S  Z  Y  H  X  P/V  N  C  ");
  EXPECT_EQ(Attr(47, 7), 1);  // Z set
  EXPECT_EQ(Attr(44, 7), 0);
  EXPECT_EQ(Row(8, 44, 24), "0  1  0  0  0   0   0  1");
  EXPECT_EQ(Attr(47, 8), 2);
  EXPECT_EQ(Attr(44, 8), 0);
  model.ResumeFromDebugger();
  model.RefreshDebugger();
  EXPECT_EQ(Attr(47, 1), 0);
  EXPECT_EQ(Attr(47, 8), 0);
}

TEST_F(DebuggerModelTest, MemoryDumpStackAndRegisterPointers) {
  target.Load(0x0000, {0x41, 0x7A, 0x1F, 0x5F});
  target.cpu.SP = 0x8000;
  target.Load(0x8000, {0x34, 0x12, 0x78, 0x56});
  target.cpu.SetHL(0x0001);
  StopAt(0x4000);
  EXPECT_EQ(Row(30, 0, 69), "0000 41 7A 1F 5F 00 00 00 00 00 00 00 00 00 00 00 00 A.._............");
  EXPECT_EQ(Row(45, 0, 4), "00F0");
  EXPECT_EQ(Row(19, 51, 4), "1234");
  EXPECT_EQ(Row(20, 51, 4), "5678");
  EXPECT_EQ(Row(5, 67, 2), "7A");
}

TEST_F(DebuggerModelTest, DiskControllerRegistersWithCommandNames) {
  target.fdc = {0x14, 2, 0x88, 17, 5, 0xE5, 0x03, 0x4A};
  StopAt(0x4000);
  EXPECT_EQ(Row(10, 58, 8), "04 (2)  ");
  EXPECT_EQ(Row(12, 58, 11), "88 READ    ");
  EXPECT_EQ(Row(13, 58, 9), "11 (17)  ");
  EXPECT_EQ(Row(14, 58, 8), "05 (5)  ");
  EXPECT_EQ(Row(15, 58, 2), "E5");
  EXPECT_EQ(Row(16, 58, 2), "03");
  EXPECT_EQ(Row(17, 58, 2), "4A");
  // A command without a name leaves no trace of the one before.
  target.fdc.command = 0xC0;
  model.RefreshDebugger();
  EXPECT_EQ(Row(12, 58, 11), "C0         ");
  target.fdc.command = 0xF4;
  model.RefreshDebugger();
  EXPECT_EQ(Row(12, 58, 11), "F4 WR TRACK");
}

TEST_F(DebuggerModelTest, BreakpointsToggleAndAnEleventhIsRefused) {
  StopAt(0x4000);
  model.KeyDown(kVkF6);
  EXPECT_EQ(target.breakpoints[0], 0x4000);
  model.KeyDown(kVkF6);
  EXPECT_EQ(target.breakpoints[0], -1);
  for (int i = 0; i < 10; ++i) model.ToggleBreakpoint(static_cast<uint16_t>(0x100 + i));
  model.ToggleBreakpoint(0x200);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(target.breakpoints[i], 0x100 + i);
  EXPECT_EQ(target.breakpoints[kTemporaryBreakpointEntry], -1);
  model.ToggleBreakpoint(0x103);
  model.ToggleBreakpoint(0x200);
  EXPECT_EQ(target.breakpoints[3], 0x200);
  model.RefreshDebugger();
  EXPECT_EQ(Row(22, 65, 4), "0200");
  // The list keeps entry order and blanks the rows below.
  model.ToggleBreakpoint(0x109);
  EXPECT_EQ(Row(27, 65, 4), "0108");
  EXPECT_EQ(Row(28, 65, 4), "    ");
}

TEST_F(DebuggerModelTest, SingleStepResumesForOneStep) {
  target.cpu.Halted = true;
  StopAt(0x4000);
  target.cpu.SetDE(0x1111);
  model.KeyDown(kVkF7);
  EXPECT_FALSE(target.cpu.Halted);
  EXPECT_TRUE(target.breakRequest);
  EXPECT_TRUE(target.stopped);  // the scheduler runs the one step
  EXPECT_EQ(window.caption, "Z80 CPU [Running]");
  EXPECT_EQ(target.focusCountdown, 50);
  // The registers as of the resume are what later changes compare with.
  model.RefreshDebugger();
  EXPECT_EQ(Attr(47, 2), 0);
}

TEST_F(DebuggerModelTest, StepOverRunsCallsRestartsAndBlockInstructionsToTheNextLine) {
  target.Load(0x4000, {0xCD, 0x00, 0x50});
  StopAt(0x4000);
  model.KeyDown(kVkF8);
  EXPECT_EQ(target.breakpoints[kTemporaryBreakpointEntry], 0x4003);
  EXPECT_FALSE(target.stopped);
  EXPECT_FALSE(target.breakRequest);
  // While the temporary breakpoint is set, the view does not follow PC.
  EXPECT_EQ(model.ViewAddress(), 0x4000);

  for (const auto& [bytes, next] : {std::pair<std::array<uint8_t, 2>, int>{{0xC4, 0x00}, 0x4003},
                                    {{0xFF, 0x00}, 0x4001},
                                    {{0xED, 0xB0}, 0x4002},
                                    {{0xED, 0xA1}, 0x4002}}) {
    target.Load(0x4000, {bytes[0], bytes[1], 0x00});
    StopAt(0x4000);
    model.KeyDown(kVkF8);
    EXPECT_EQ(target.breakpoints[kTemporaryBreakpointEntry], next) << int(bytes[0]);
  }

  // A jump is a single step.
  target.Load(0x4000, {0xC3, 0x00, 0x60});
  StopAt(0x4000);
  model.KeyDown(kVkF8);
  EXPECT_EQ(target.breakpoints[kTemporaryBreakpointEntry], -1);
  EXPECT_TRUE(target.breakRequest);
  EXPECT_TRUE(target.stopped);
}

TEST_F(DebuggerModelTest, RunToViewAddressRunAndEscape) {
  StopAt(0x4000);
  model.KeyDown(kVkDown);
  model.KeyDown(kVkF4);
  EXPECT_EQ(target.breakpoints[kTemporaryBreakpointEntry], 0x4001);
  EXPECT_FALSE(target.stopped);
  EXPECT_TRUE(window.shown);

  StopAt(0x4000);
  model.KeyDown(kVkF9);
  EXPECT_FALSE(target.stopped);
  EXPECT_TRUE(window.shown);
  EXPECT_EQ(window.caption, "Z80 CPU [Running]");

  StopAt(0x4000);
  model.KeyDown(kVkEscape);
  EXPECT_FALSE(target.stopped);
  EXPECT_FALSE(window.shown);
  EXPECT_FALSE(model.Visible());
}

TEST_F(DebuggerModelTest, TheMenuItemStopsWithAStepAndRunsOnWithTheWindowHidden) {
  model.ToggleFromMenu();
  EXPECT_TRUE(target.stopped);
  EXPECT_TRUE(target.breakRequest);
  StopAt(0x4000);
  model.ToggleFromMenu();
  EXPECT_FALSE(target.stopped);
  EXPECT_FALSE(window.shown);
}

TEST_F(DebuggerModelTest, TypingADumpAddressMovesTheDump) {
  StopAt(0x4000);
  Click(MouseButton::Left, 0, 30);
  EXPECT_EQ(model.EditCursor(), (CellPosition{0, 30}));
  Keys("4000");
  EXPECT_EQ(model.DumpAddress(), 0x4000);
  EXPECT_EQ(Row(30, 0, 4), "4000");
  EXPECT_EQ(model.EditCursor(), (CellPosition{5, 30}));
  // The third row shows a typed address; the dump starts two rows earlier.
  model.KeyDown(kVkReturn);
  Click(MouseButton::Left, 0, 32);
  Keys("8000");
  EXPECT_EQ(model.DumpAddress(), 0x8000 - 32);
}

TEST_F(DebuggerModelTest, TypingOverADumpByteWritesMemoryAtOnce) {
  target.Load(0x3C00, {0x20, 0x20});
  StopAt(0x4000);
  Click(MouseButton::Left, 0, 30);
  Keys("3C00");
  Keys("41");
  EXPECT_EQ(target.memory[0x3C00], 0x41);
  EXPECT_EQ(model.EditCursor(), (CellPosition{8, 30}));
  model.KeyDown('4');
  EXPECT_EQ(target.memory[0x3C01], 0x40);  // one digit typed, the other as it was
  EXPECT_EQ(Row(30, 53, 2), "A@");
  // Command keys do nothing while editing.
  model.KeyDown(kVkF9);
  EXPECT_TRUE(target.stopped);
  model.KeyDown(kVkEscape);
  EXPECT_EQ(model.EditCursor().column, -1);
  EXPECT_TRUE(target.stopped);
}

TEST_F(DebuggerModelTest, MovingInTheDumpScrollsAtItsEdges) {
  StopAt(0x4000);
  Click(MouseButton::Left, 51, 45);
  // Typing past the last byte of the last row scrolls by a row.
  model.KeyDown('F');
  EXPECT_EQ(model.EditCursor(), (CellPosition{5, 45}));
  EXPECT_EQ(model.DumpAddress(), 0x0010);
  EXPECT_EQ(target.memory[0x00FF], 0x0F);
  model.KeyDown(kVkUp);
  EXPECT_EQ(model.EditCursor(), (CellPosition{5, 44}));
  model.KeyDown(kVkEnd);
  EXPECT_EQ(model.EditCursor(), (CellPosition{51, 44}));
  model.KeyDown(kVkLeft);
  model.KeyDown(kVkLeft);
  EXPECT_EQ(model.EditCursor(), (CellPosition{48, 44}));
  model.KeyDown(kVkHome);
  model.KeyDown(kVkPageDown);
  EXPECT_EQ(model.DumpAddress(), 0x0110);
  // Left from the first byte of the first row scrolls up rather than
  // leaving the dump.
  Click(MouseButton::Left, 5, 30);
  model.KeyDown(kVkLeft);
  EXPECT_EQ(model.EditCursor(), (CellPosition{51, 30}));
  EXPECT_EQ(model.DumpAddress(), 0x0100);
  model.KeyDown(kVkRight);
  EXPECT_EQ(model.EditCursor(), (CellPosition{5, 31}));
}

TEST_F(DebuggerModelTest, ADigitInTheAfFieldChangesAfAtOnce) {
  StopAt(0x4000);
  Click(MouseButton::Left, 47, 0);
  model.KeyDown('C');
  EXPECT_EQ(target.cpu.A, 0xC0);
  EXPECT_EQ(model.EditCursor(), (CellPosition{48, 0}));
  model.KeyDown(kVkReturn);
  EXPECT_EQ(target.cpu.A, 0xC0);
  EXPECT_EQ(model.EditCursor().column, -1);
}

TEST_F(DebuggerModelTest, RegisterFieldsAreWalkedAcrossAndAround) {
  target.cpu.SP = 0x1234;
  StopAt(0x4000);
  Click(MouseButton::Left, 65, 2);  // SP
  Keys("ABCD");
  EXPECT_EQ(target.cpu.SP, 0xABCD);
  EXPECT_EQ(model.EditCursor(), (CellPosition{47, 2}));  // on to DE
  model.KeyDown(kVkDown);
  model.KeyDown(kVkLeft);
  EXPECT_EQ(model.EditCursor(), (CellPosition{59, 3}));  // HL' (PC is not a field)
  model.KeyDown(kVkRight);
  EXPECT_EQ(model.EditCursor(), (CellPosition{47, 3}));
  model.KeyDown(kVkDown);
  EXPECT_EQ(model.EditCursor(), (CellPosition{47, 0}));
  Click(MouseButton::Left, 66, 2);
  model.KeyDown(kVkDown);
  EXPECT_EQ(model.EditCursor(), (CellPosition{66, 0}));
  Keys("9");
  EXPECT_EQ(target.cpu.IX(), 0x0900 | (target.cpu.IX() & 0xF0FF));
}

TEST_F(DebuggerModelTest, AFlagDigitChangesFAndItsLabel) {
  StopAt(0x4000);
  EXPECT_EQ(Attr(67, 7), 0);
  Click(MouseButton::Left, 67, 8);
  model.KeyDown('1');
  EXPECT_EQ(target.cpu.F, 0x01);
  EXPECT_EQ(Attr(67, 7), 1);
  EXPECT_EQ(model.EditCursor(), (CellPosition{44, 8}));  // wrapped to S
  model.KeyDown('1');
  EXPECT_EQ(target.cpu.F, 0x81);
  model.KeyDown('7');  // not a flag digit
  EXPECT_EQ(target.cpu.F, 0x81);
  model.KeyDown(kVkLeft);
  model.KeyDown(kVkLeft);
  EXPECT_EQ(model.EditCursor(), (CellPosition{67, 8}));
}

TEST_F(DebuggerModelTest, TypingTheViewAddressInRowFive) {
  StopAt(0x4000);
  Click(MouseButton::Left, 20, 5);
  EXPECT_EQ(model.EditCursor(), (CellPosition{0, 5}));
  Keys("1234");
  EXPECT_EQ(model.ViewAddress(), 0x1234);
  EXPECT_EQ(Row(5, 0, 4), "1234");
  EXPECT_EQ(model.EditCursor().column, -1);  // ended after the fourth digit
}

TEST_F(DebuggerModelTest, ClicksInTheDisassemblyStackAndBreakpointList) {
  target.cpu.SP = 0x8000;
  target.Load(0x8000, {0x00, 0x30});
  StopAt(0x4000);
  Click(MouseButton::Left, 10, 7);
  EXPECT_EQ(model.ViewAddress(), 0x4002);
  // The view moved: row 5 is now 0x4002.
  Click(MouseButton::Right, 10, 8);
  EXPECT_EQ(target.breakpoints[0], 0x4005);
  Click(MouseButton::Middle, 10, 9);
  EXPECT_EQ(target.breakpoints[1], -1);
  Click(MouseButton::Left, 52, 19);
  EXPECT_EQ(model.ViewAddress(), 0x3000);
  model.RefreshDebugger();
  Click(MouseButton::Left, 65, 21);  // a blank row of the list
  EXPECT_EQ(model.ViewAddress(), 0x3000);
  Click(MouseButton::Left, 66, 19);
  EXPECT_EQ(model.ViewAddress(), 0x4005);
  Click(MouseButton::Right, 66, 19);
  EXPECT_EQ(target.breakpoints[0], -1);
}

TEST_F(DebuggerModelTest, ThePcFieldShowsPcOrTakesTheViewAddress) {
  StopAt(0x4000);
  model.KeyDown(kVkDown);
  model.KeyDown(kVkDown);
  Click(MouseButton::Right, 66, 3);
  EXPECT_EQ(target.cpu.PC, 0x4002);
  EXPECT_EQ(Row(3, 65, 4), "4002");
  model.KeyDown(kVkDown);
  Click(MouseButton::Left, 66, 3);
  EXPECT_EQ(model.ViewAddress(), 0x4002);
}

TEST_F(DebuggerModelTest, TheCursorBlinksWithoutChangingItsCell) {
  StopAt(0x4000);
  Click(MouseButton::Left, 47, 0);
  const int before = window.presentCount;
  model.BlinkTick();
  EXPECT_TRUE(model.BlinkOn());
  EXPECT_EQ(window.presentCount, before + 1);
  const int x = 8 * 47 + 5, y = 5;
  bool inverted = true;
  for (int dy = 0; dy < 8; ++dy) {
    for (int dx = 0; dx < 8; ++dx) inverted &= model.Screen().Pixel(x + dx, y + dy) / 2 == 3;
  }
  EXPECT_TRUE(inverted);
  EXPECT_EQ(Attr(47, 0), 0);
  model.BlinkTick();
  EXPECT_EQ(model.Screen().Pixel(x, y) / 2, 0);
  // Hiding the cursor redraws the cell as stored.
  model.BlinkTick();
  model.KeyDown(kVkEscape);
  EXPECT_EQ(model.Screen().Pixel(x, y) / 2, 0);
}

TEST_F(DebuggerModelTest, TheHungarianZeroKeyTypesZero) {
  target.hungarian = true;
  StopAt(0x4000);
  Click(MouseButton::Left, 47, 0);
  model.KeyDown('F');
  model.KeyDown(kVkOem3);
  EXPECT_EQ(target.cpu.A, 0xF0);
  model.KeyDown('0');  // reports 0xC0 after the exchange: no digit
  EXPECT_EQ(model.EditCursor(), (CellPosition{49, 0}));
}

TEST_F(DebuggerModelTest, WhileRunningTheViewFollowsPc) {
  StopAt(0x4000);
  model.KeyDown(kVkF9);
  target.cpu.PC = 0x1234;
  model.KeyDown(kVkDown);
  EXPECT_EQ(model.ViewAddress(), 0x1234);
  model.FollowProgram(0x2000);
  EXPECT_EQ(Row(5, 0, 4), "2000");
}

TEST_F(DebuggerModelTest, ClosingTheWindowRunsOn) {
  StopAt(0x4000);
  Click(MouseButton::Left, 47, 0);
  model.CloseWindow();
  EXPECT_FALSE(target.stopped);
  EXPECT_FALSE(model.Visible());
  EXPECT_EQ(model.EditCursor().column, -1);
  EXPECT_EQ(target.focusCountdown, 50);
}

}  // namespace
}  // namespace quillor
