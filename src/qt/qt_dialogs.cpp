#include "qt/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "qt/file_filter.h"

namespace quillor {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TimerPause::TimerPause(QTimer* timer) : timer_(timer), wasRunning_(timer && timer->isActive()) {
  if (wasRunning_) timer_->stop();
}

TimerPause::~TimerPause() {
  if (wasRunning_) timer_->start();
}

void QtDialogs::ShowMessage(std::string_view text, MessageKind kind) {
  TimerPause pause(frameTimer_);
  const auto icon = kind == MessageKind::Information ? QMessageBox::Information
                    : kind == MessageKind::Error     ? QMessageBox::Critical
                                                     : QMessageBox::Warning;
  QMessageBox box(icon, "Quillor", ToQString(text), QMessageBox::Ok, parent_);
  box.exec();
}

std::optional<FileChoice> QtDialogs::ChooseOpenFile(std::string_view title, std::string_view filter,
                                                    std::string_view initialName) {
  return ChooseFile(false, title, filter, initialName);
}

std::optional<FileChoice> QtDialogs::ChooseSaveFile(std::string_view title, std::string_view filter,
                                                    std::string_view initialName) {
  return ChooseFile(true, title, filter, initialName);
}

std::optional<FileChoice> QtDialogs::ChooseFile(bool save, std::string_view title, std::string_view filter,
                                                std::string_view initialName) const {
  TimerPause pause(frameTimer_);
  QFileDialog dialog(parent_, ToQString(title));
  // Qt's own dialog, so that the filters behave the same on every desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtFileFilters(filter);
  dialog.setNameFilters(filters);
  if (!initialName.empty()) dialog.selectFile(ToQString(initialName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const auto index = filters.indexOf(dialog.selectedNameFilter());
  return FileChoice{dialog.selectedFiles().front().toStdString(), index < 0 ? 0 : int(index)};
}

}  // namespace quillor
