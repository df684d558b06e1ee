// The dialog that asks which memory range to save to a cassette image, and
// under which file name. The addresses and the texts of its boxes stay as
// the user left them for the next use.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <string>

#include "qt/qt_dialogs.h"

namespace quillor {

class TSaveMem : public QDialog {
  Q_OBJECT

 public:
  // How the dialog closed besides accepted (a file chosen) and rejected.
  static constexpr int kAbort = 3;  // an address box did not hold four hex digits

  TSaveMem(QWidget* parent, QtDialogs& dialogs);

  uint16_t From() const { return from_; }
  uint16_t To() const { return to_; }
  uint16_t Start() const { return start_; }
  const std::string& ChosenName() const { return chosenName_; }

  QLineEdit* EdFrom;
  QLineEdit* EdTo;
  QLineEdit* EdStart;

 public slots:
  void SaveMembuttonClick();

 private:
  QtDialogs& dialogs_;
  uint16_t from_ = 0x4000;
  uint16_t to_ = 0xFFFF;
  uint16_t start_ = 0x4200;
  std::string chosenName_;
};

}  // namespace quillor
