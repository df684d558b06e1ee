// The recorder's panel drawn by the display from its picture sheet: what the
// cassette deck's status redraw asks for, done on the display's surfaces and
// shown through the panel presenter.
#pragma once

#include "display/cassette_panel_drawing.h"
#include "display/display.h"
#include "storage/cassette_panel_view.h"

namespace quillor {

class CassettePanel final : public CassettePanelView {
 public:
  CassettePanel(Display& display, PanelPresenter& presenter)
      : display_(display), presenter_(presenter) {}

  void ShowRecorderPicture(bool withTape) override {
    display_.ShowMediaPicture(kCassetteSlot, withTape, presenter_);
  }
  void DrawStateStrip(CassettePanelState state) override {
    DrawRecorderStrip(display_.surfaces, static_cast<int>(state));
  }
  void DrawRewindPressed() override { quillor::DrawRewindPressed(display_.surfaces); }
  void DrawReels(int leftFrame, int rightFrame) override {
    DrawRecorderReels(display_.surfaces, leftFrame, rightFrame);
  }
  void PresentPanel() override {
    presenter_.PresentSurface(Panel::Cassette, display_.surfaces.CassettePanelSurface, 0, 0);
  }

 private:
  Display& display_;
  PanelPresenter& presenter_;
};

}  // namespace quillor
