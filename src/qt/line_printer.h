// The printer window: the paper the machine has printed on, one line per
// completed printer line. Lines arrive from inside processor steps; they are
// gathered and put on the paper in one piece a moment later, so a program
// that prints without pause costs the machine one string copy per line.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "host/paper_host.h"

namespace quillor {

class TLinePrinter : public QWidget, public PaperHost {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{665, 401};
  static constexpr QPoint kDesignPosition{255, 185};

  explicit TLinePrinter(QWidget* parent);

  // PaperHost
  void AppendLine(std::string_view line) override;
  void ClearPaper() override;

  // Puts the gathered lines on the paper now.
  void Flush();
  QPlainTextEdit* Paper() const { return paper_; }
  // The paper's lines, the gathered ones included.
  QStringList Lines();

 private:
  QPlainTextEdit* paper_;
  QStringList pending_;
  QTimer flushTimer_;
  bool empty_ = true;
};

}  // namespace quillor
