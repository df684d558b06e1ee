#include "qt/qt_panel_presenter.h"

#include "qt/main_window.h"
#include "qt/surface_image.h"

namespace quillor {

SurfacePanel* QtPanelPresenter::PanelWidget(Panel panel) const {
  switch (panel) {
    case Panel::Screen: return form_.ScreenPanel();
    case Panel::Drive0:
    case Panel::Drive1:
    case Panel::Drive2:
    case Panel::Drive3: return form_.DrivePanel(static_cast<int>(panel) - static_cast<int>(Panel::Drive0));
    case Panel::Cassette: return form_.CassettePanel();
    case Panel::BrightnessBar:
    case Panel::ContrastBar:
    case Panel::ColorBar: return form_.Bar(static_cast<int>(panel) - static_cast<int>(Panel::BrightnessBar));
  }
  return nullptr;
}

void QtPanelPresenter::PresentSurface(Panel panel, const Surface& surface, int x, int y) {
  if (SurfacePanel* widget = PanelWidget(panel)) widget->Present(ImageOfSurface(surface), QPoint(x, y));
}

void QtPanelPresenter::SetBarsVisible(bool visible) {
  for (int i = 0; i < 3; ++i) form_.Bar(i)->setVisible(visible);
}

}  // namespace quillor
