// The runner's answers to the core's dialogs. Nobody is there to click: a
// warning or error goes to the error stream and fails the step that caused
// it, and file choosers are cancelled, except the recorder's save dialog,
// which gets the --record-cas name.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "host/dialog_host.h"

namespace quillor::cli {

class CliDialogs final : public DialogHost {
 public:
  explicit CliDialogs(std::ostream& err) : err_(err) {}

  void ShowMessage(std::string_view text, MessageKind kind) override;
  std::optional<FileChoice> ChooseSaveFile(std::string_view title, std::string_view filter,
                                           std::string_view initialName) override;

  // Recordings from now on go to path; the second and later ones get
  // numbered names (see NumberedRecordingName).
  void SetRecordingName(std::string path);
  // True when a warning or error was shown since the last call.
  bool TakeFailure();

 private:
  std::ostream& err_;
  std::string recordingName_;
  int recordings_ = 0;
  bool failed_ = false;
  bool refusalReported_ = false;
};

// The name of the nth recording made under path: path itself for the first,
// then the stem with "-n" before the extension (rec.cas, rec-2.cas, ...).
std::string NumberedRecordingName(const std::string& path, int n);

}  // namespace quillor::cli
