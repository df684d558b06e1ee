// The main window as the core sees it: caption, panels that show surfaces,
// keyboard focus and the monitor setting bars.
#pragma once

#include <string_view>

namespace quillor {

class Surface;

// The places in the main window where a surface is shown 1:1.
enum class Panel { Screen, Drive0, Drive1, Drive2, Drive3, Cassette };

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Scheduler (speed display every 25 ticks, pause toggle) and start-up: the
  // main window's title bar text.
  virtual void SetCaption(std::string_view /*caption*/) {}
  // Scheduler, once per tick when something changed or a countdown ran out:
  // copy the surface onto the panel with its top-left corner at (x, y).
  virtual void Present(Panel /*panel*/, const Surface& /*surface*/, int /*x*/, int /*y*/) {}
  // Scheduler, when the focus countdown after a debugger resume reaches 0:
  // the main window takes the keyboard focus back.
  virtual void TakeFocus() {}
  // Scheduler, when the bar hide countdown reaches 0 (false), and the monitor
  // settings command (true): show or hide the three monitor setting bars.
  virtual void SetMonitorBarsVisible(bool /*visible*/) {}
};

}  // namespace quillor
