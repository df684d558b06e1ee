// The debugger's window as its model sees it. The desktop shows the model's
// picture 1:1 in a window of its own; the runner and tests need nothing of
// it, so every verb does nothing unless overridden.
#pragma once

#include <string_view>

namespace quillor {

class DebuggerWindow {
 public:
  virtual ~DebuggerWindow() = default;
  virtual void ShowDebugger() {}
  virtual void HideDebugger() {}
  virtual void SetDebuggerCaption(std::string_view /*caption*/) {}
  virtual void FocusDebugger() {}
  // The picture changed; show it.
  virtual void PresentDebugger() {}
};

}  // namespace quillor
