// The line printer behind 0x37E8 and port 0xFD: characters collect in a line
// buffer and complete lines go onto the paper, which the printer window shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/paper_host.h"

namespace quillor {

class DialogHost;

class Printer {
 public:
  static constexpr uint8_t kReadyStatus = 0x30;

  explicit Printer(PaperHost& paper) : paper_(&paper) {}

  void PrintCharacter(uint8_t ch);
  // "Load paper": empty the line buffer and the paper.
  void LoadPaper();
  // 80 or 132; applies from the next character.
  void SetLineWidth(int width) { lineWidth_ = width; }
  int LineWidth() const { return lineWidth_; }
  const std::vector<std::string>& Paper() const { return lines_; }
  std::string_view LineBuffer() const { return buffer_; }
  // Every line of the paper with CR LF; false when the file cannot be written.
  bool SavePaper(const std::string& path) const;
  // "Save to file": asks for a name, adds the extension of the chosen filter
  // when the name has none, and reports a failure to write.
  void Savetofile1Click(DialogHost& dialogs) const;

 private:
  void EndLine();

  PaperHost* paper_;
  std::string buffer_;
  std::vector<std::string> lines_;
  int lineWidth_ = 80;
};

}  // namespace quillor
