// Shows the display's surfaces on the main window's panels.
#pragma once

#include "host/panel_presenter.h"

namespace quillor {

class SurfacePanel;
class TForm1;

class QtPanelPresenter : public PanelPresenter {
 public:
  explicit QtPanelPresenter(TForm1& form) : form_(form) {}

  void PresentSurface(Panel panel, const Surface& surface, int x, int y) override;
  void SetBarsVisible(bool visible) override;

 private:
  SurfacePanel* PanelWidget(Panel panel) const;
  TForm1& form_;
};

}  // namespace quillor
