#include "cli/cli_dialogs.h"

#include <filesystem>
#include <ostream>

#include "storage/cassette_deck.h"

namespace quillor::cli {

void CliDialogs::ShowMessage(std::string_view text, MessageKind kind) {
  err_ << "quillor-cli: " << text << "\n";
  if (kind != MessageKind::Information) failed_ = true;
}

std::optional<FileChoice> CliDialogs::ChooseSaveFile(std::string_view title, std::string_view,
                                                     std::string_view) {
  if (title != kCassetteSaveTitle) return std::nullopt;
  if (recordingName_.empty()) {
    // A program that records on every pass would otherwise fill the log.
    if (!refusalReported_) {
      err_ << "quillor-cli: the machine started a tape recording; without --record-cas it is "
              "not kept\n";
      refusalReported_ = true;
    }
    return std::nullopt;
  }
  return FileChoice{NumberedRecordingName(recordingName_, ++recordings_), 0};
}

void CliDialogs::SetRecordingName(std::string path) {
  recordingName_ = std::move(path);
  recordings_ = 0;
}

bool CliDialogs::TakeFailure() {
  const bool failed = failed_;
  failed_ = false;
  return failed;
}

std::string NumberedRecordingName(const std::string& path, int n) {
  if (n <= 1) return path;
  const std::filesystem::path p(path);
  auto numbered = p.stem();
  numbered += "-" + std::to_string(n);
  numbered += p.extension();
  return (p.parent_path() / numbered).string();
}

}  // namespace quillor::cli
