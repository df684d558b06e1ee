// The debugger's window as its model sees it: a host shows the picture 1:1.
#pragma once

#include <string_view>

namespace quillor {

class DebuggerWindow {
 public:
  virtual void ShowDebugger() {}
  virtual void HideDebugger() {}
  virtual void SetDebuggerCaption(std::string_view /*caption*/) {}
  virtual void FocusDebugger() {}
  // The picture changed; show it.
  virtual void PresentDebugger() {}

 protected:
  ~DebuggerWindow() = default;
};

}  // namespace quillor
