// Modal message boxes and file choices for the program's windows. While one
// is open the frame timer stands still; it starts again when the dialog
// closes, with a fresh interval, so the time spent in the dialog is not made
// up by extra ticks.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "host/dialog_host.h"

namespace quillor {

// Stops the timer for as long as it lives, and restarts it afterwards only if
// it was running: a caller that stopped it on purpose keeps it stopped.
class TimerPause {
 public:
  explicit TimerPause(QTimer* timer);
  ~TimerPause();
  TimerPause(const TimerPause&) = delete;
  TimerPause& operator=(const TimerPause&) = delete;

 private:
  QTimer* timer_;
  bool wasRunning_;
};

class QtDialogs : public DialogHost {
 public:
  QtDialogs(QWidget* parent, QTimer* frameTimer) : parent_(parent), frameTimer_(frameTimer) {}

  QTimer* FrameTimer() const { return frameTimer_; }

  // A box with one OK button.
  void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Warning) override;
  // filter in the form "desc|pattern|desc|pattern".
  std::optional<FileChoice> ChooseOpenFile(std::string_view title, std::string_view filter,
                                           std::string_view initialName = {}) override;
  std::optional<FileChoice> ChooseSaveFile(std::string_view title, std::string_view filter,
                                           std::string_view initialName = {}) override;

 private:
  std::optional<FileChoice> ChooseFile(bool save, std::string_view title, std::string_view filter,
                                       std::string_view initialName) const;

  QWidget* parent_;
  QTimer* frameTimer_;
};

}  // namespace quillor
