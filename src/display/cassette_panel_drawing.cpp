#include "display/cassette_panel_drawing.h"

namespace quillor {
namespace {

constexpr int kStripY[kRecorderStripCount] = {87, 113, 139};
constexpr int kStripWidth = 100, kStripHeight = 25, kStripPanelY = 87;
constexpr int kRewindWidth = 15, kRewindHeight = 21, kRewindSheetX = 58, kRewindSheetY = 113;
constexpr int kRewindPanelX = 14, kRewindPanelY = 87;
constexpr int kReelSide = 16, kReelPanelY = 25;
constexpr int kLeftReelSheetX = 100, kRightReelSheetX = 132;
constexpr int kLeftReelPanelX = 27, kRightReelPanelX = 57;

// Eight frames per sheet column; frames 8-15 sit in the next column.
void DrawReel(FrameSurfaces& s, int frame, int sheetX, int panelX) {
  frame &= kReelFrames - 1;
  int x = sheetX + (frame < 8 ? 0 : kReelSide);
  s.CassettePanelSurface.DrawFrom(s.CassetteSheet, panelX, kReelPanelY, kReelSide, kReelSide, x,
                                  kReelSide * (frame & 7));
}

}  // namespace

void DrawRecorderStrip(FrameSurfaces& s, int state) {
  if (state < 0 || state >= kRecorderStripCount) return;
  s.CassettePanelSurface.DrawFrom(s.CassetteSheet, 0, kStripPanelY, kStripWidth, kStripHeight, 0,
                                  kStripY[state]);
}

void DrawRewindPressed(FrameSurfaces& s) {
  s.CassettePanelSurface.DrawFrom(s.CassetteSheet, kRewindPanelX, kRewindPanelY, kRewindWidth, kRewindHeight,
                                  kRewindSheetX, kRewindSheetY);
}

void DrawRecorderReels(FrameSurfaces& s, int leftFrame, int rightFrame) {
  DrawReel(s, leftFrame, kLeftReelSheetX, kLeftReelPanelX);
  DrawReel(s, rightFrame, kRightReelSheetX, kRightReelPanelX);
}

}  // namespace quillor
