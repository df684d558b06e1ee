// The main window as the scheduler sees it: its caption and the keyboard
// focus. Surfaces reach the window's panels through the display's
// PanelPresenter.
#pragma once

#include <string_view>

namespace quillor {

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Scheduler (speed display every 25 ticks), the pause command and
  // start-up: the main window's title bar text.
  virtual void SetCaption(std::string_view /*caption*/) {}
  // Scheduler, when the focus countdown after a debugger resume reaches 0:
  // the main window takes the keyboard focus back.
  virtual void TakeFocus() {}
};

}  // namespace quillor
