#include "machine/display_cassette_panel.h"

#include "display/cassette_panel_drawing.h"

namespace quillor {

void DisplayCassettePanel::ShowRecorderPicture(bool withTape) {
  display_.ShowMediaPicture(kCassetteSlot, withTape, presenter_);
}

void DisplayCassettePanel::DrawStateStrip(CassettePanelState state) {
  DrawRecorderStrip(display_.surfaces, static_cast<int>(state));
}

void DisplayCassettePanel::DrawRewindPressed() { quillor::DrawRewindPressed(display_.surfaces); }

void DisplayCassettePanel::DrawReels(int leftFrame, int rightFrame) {
  DrawRecorderReels(display_.surfaces, leftFrame, rightFrame);
}

void DisplayCassettePanel::PresentPanel() {
  presenter_.PresentSurface(Panel::Cassette, display_.surfaces.CassettePanelSurface, 0, 0);
}

}  // namespace quillor
