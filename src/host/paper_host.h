// The printer window's paper, which shows the lines the core has collected.
#pragma once

#include <string_view>

namespace quillor {

class PaperHost {
 public:
  virtual ~PaperHost() = default;
  // Printer, from inside a processor step, when a line is complete: append it.
  virtual void AppendLine(std::string_view /*line*/) {}
  // "Load paper": remove every line shown.
  virtual void ClearPaper() {}
};

}  // namespace quillor
