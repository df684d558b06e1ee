// The recorder's panel drawn on the display's surfaces: pictures from the
// recorder sheet into the cassette panel surface, shown through the panel
// presenter.
#pragma once

#include "display/display.h"
#include "host/panel_presenter.h"
#include "storage/cassette_panel_view.h"

namespace quillor {

class DisplayCassettePanel : public CassettePanelView {
 public:
  DisplayCassettePanel(Display& display, PanelPresenter& presenter)
      : display_(display), presenter_(presenter) {}

  void ShowRecorderPicture(bool withTape) override;
  void DrawStateStrip(CassettePanelState state) override;
  void DrawRewindPressed() override;
  void DrawReels(int leftFrame, int rightFrame) override;
  void PresentPanel() override;

 private:
  Display& display_;
  PanelPresenter& presenter_;
};

}  // namespace quillor
