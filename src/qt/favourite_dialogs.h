// The two favourites dialogs: adding one (file, name, target) and choosing
// the ones to delete.
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "host/dialog_host.h"

namespace quillor {

class TAddfav : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{445, 212};

  TAddfav(QWidget* parent, DialogHost*& browseDialogs);

  QLineEdit* favname() const { return favname_; }        // the file path
  QLineEdit* favprogram() const { return favprogram_; }  // the menu caption
  // 0 Autostart, 1 Cassette, 2-5 Disk 0-3; kept from one use to the next.
  int Target() const { return favdest_->checkedId(); }
  void SetTarget(int target);

 public slots:
  void Button1Click();

 private:
  DialogHost*& browseDialogs_;
  QLineEdit* favname_;
  QLineEdit* favprogram_;
  QButtonGroup* favdest_;
};

class Tfavdel : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{464, 139};

  explicit Tfavdel(QWidget* parent);

  QListWidget* dellist() const { return dellist_; }

 private:
  QListWidget* dellist_;
};

}  // namespace quillor
