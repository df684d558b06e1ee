#include "qt/line_printer.h"

#include <QFont>
#include <QTextBlock>
#include <QVBoxLayout>

namespace quillor {
namespace {

// Often enough to look live, seldom enough to batch a fast printer's lines.
constexpr int kFlushMs = 100;

}  // namespace

TLinePrinter::TLinePrinter(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("TLinePrinter");
  setWindowTitle("Printer output");
  setFixedSize(kClientSize);
  move(kDesignPosition);
  paper_ = new QPlainTextEdit(this);
  paper_->setObjectName("Paper");
  paper_->setReadOnly(true);
  paper_->setLineWrapMode(QPlainTextEdit::NoWrap);
  paper_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  paper_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  paper_->setUndoRedoEnabled(false);
  QFont font("Fixedsys");
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  paper_->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(paper_);
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(kFlushMs);
  connect(&flushTimer_, &QTimer::timeout, this, &TLinePrinter::Flush);
}

void TLinePrinter::AppendLine(std::string_view line) {
  // The printer's bytes are single characters; 0x7F is kept as it came.
  pending_.append(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void TLinePrinter::ClearPaper() {
  pending_.clear();
  flushTimer_.stop();
  paper_->clear();
  empty_ = true;
}

void TLinePrinter::Flush() {
  if (pending_.isEmpty()) return;
  QTextCursor cursor(paper_->document());
  cursor.movePosition(QTextCursor::End);
  // The first line takes the empty document's own block.
  cursor.insertText((empty_ ? QString() : QString('\n')) + pending_.join('\n'));
  empty_ = false;
  pending_.clear();
}

QStringList TLinePrinter::Lines() {
  Flush();
  QStringList lines;
  if (empty_) return lines;
  for (QTextBlock block = paper_->document()->begin(); block.isValid(); block = block.next())
    lines.append(block.text());
  return lines;
}

}  // namespace quillor
