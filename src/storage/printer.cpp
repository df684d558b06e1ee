#include "storage/printer.h"

#include <filesystem>
#include <fstream>

#include "host/dialog_host.h"

namespace quillor {

void Printer::EndLine() {
  lines_.push_back(buffer_);
  paper_->AppendLine(lines_.back());
  buffer_.clear();
}

void Printer::PrintCharacter(uint8_t ch) {
  if (ch == 0x09) {
    do {
      PrintCharacter(0x20);
    } while (buffer_.size() % 8 != 0);
  }
  if (ch == 0x0A || ch == 0x0C || ch == 0x0D || buffer_.size() >= static_cast<size_t>(lineWidth_)) {
    EndLine();
  }
  if (ch == 0x7F && !buffer_.empty()) buffer_.pop_back();
  if (ch >= 0x80) ch = 0x20;
  // DEL is kept after erasing, as the printers of the time printed it.
  if (ch >= 0x20) buffer_.push_back(static_cast<char>(ch));
}

void Printer::LoadPaper() {
  buffer_.clear();
  lines_.clear();
  paper_->ClearPaper();
}

bool Printer::SavePaper(const std::string& path) const {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  for (const auto& line : lines_) file << line << "\r\n";
  file.flush();
  return static_cast<bool>(file);
}

void Printer::Savetofile1Click(DialogHost& dialogs) const {
  const auto choice = dialogs.ChooseSaveFile(
      "Save printer output to file", "Text files (*.txt)|*.TXT|Printer output files (*.prn)|*.PRN", "");
  if (!choice) return;
  std::string path = choice->path;
  if (!std::filesystem::path(path).has_extension()) {
    path += choice->filterIndex == 1 ? ".prn" : ".txt";
  }
  if (!SavePaper(path)) {
    dialogs.ShowMessage("Cannot write the printer output to " + path + ".", MessageKind::Error);
  }
}

}  // namespace quillor
