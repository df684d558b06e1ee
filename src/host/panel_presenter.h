// What the display asks of the window system: show a surface 1:1 on one of
// the main window's panels, and show or hide the setting bars. The desktop
// application does it with widgets, the headless runner ignores it, tests
// record it.
#pragma once

namespace quillor {

class Surface;

enum class Panel { Screen, Drive0, Drive1, Drive2, Drive3, Cassette, BrightnessBar, ContrastBar, ColorBar };

inline Panel DrivePanel(int drive) { return static_cast<Panel>(static_cast<int>(Panel::Drive0) + drive); }
inline Panel BarPanel(int bar) { return static_cast<Panel>(static_cast<int>(Panel::BrightnessBar) + bar); }

class PanelPresenter {
 public:
  virtual ~PanelPresenter() = default;
  // Copies the whole surface to the panel with its top-left corner at (x, y);
  // what falls outside the panel is not shown.
  virtual void PresentSurface(Panel panel, const Surface& surface, int x, int y) {
    (void)panel, (void)surface, (void)x, (void)y;
  }
  virtual void SetBarsVisible(bool visible) { (void)visible; }
};

}  // namespace quillor
