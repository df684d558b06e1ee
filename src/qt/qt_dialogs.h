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

namespace quillor {

struct FileChoice {
  std::string path;
  int filterIndex = 0;  // which type of the filter the user picked, from 0
};

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

class QtDialogs {
 public:
  QtDialogs(QWidget* parent, QTimer* frameTimer) : parent_(parent), frameTimer_(frameTimer) {}

  QTimer* FrameTimer() const { return frameTimer_; }

  // A warning box with one OK button.
  void ShowMessage(std::string_view text) const;
  // filter in the form "desc|pattern|desc|pattern".
  std::optional<FileChoice> ChooseOpenFile(std::string_view title, std::string_view filter,
                                             std::string_view initialName = {}) const;
  std::optional<FileChoice> ChooseSaveFile(std::string_view title, std::string_view filter,
                                             std::string_view initialName = {}) const;

 private:
  std::optional<FileChoice> ChooseFile(bool save, std::string_view title, std::string_view filter,
                                       std::string_view initialName) const;

  QWidget* parent_;
  QTimer* frameTimer_;
};

}  // namespace quillor
