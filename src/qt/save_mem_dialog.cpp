#include "qt/save_mem_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "frontend/save_memory.h"

namespace quillor {

TSaveMem::TSaveMem(QWidget* parent, QtDialogs& dialogs) : QDialog(parent), dialogs_(dialogs) {
  setObjectName("TSaveMem");
  setWindowTitle("Save Memory to Cassette");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  EdFrom = new QLineEdit("4000", this);
  EdTo = new QLineEdit("FFFF", this);
  EdStart = new QLineEdit("4200", this);
  EdFrom->setObjectName("EdFrom");
  EdTo->setObjectName("EdTo");
  EdStart->setObjectName("EdStart");

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("From:", this), 0, 0);
  fields->addWidget(EdFrom, 0, 1);
  fields->addWidget(new QLabel("To:", this), 1, 0);
  fields->addWidget(EdTo, 1, 1);
  fields->addWidget(new QLabel("Start address:", this), 2, 0);
  fields->addWidget(EdStart, 2, 1);

  auto* save = new QPushButton("Save", this);
  auto* cancel = new QPushButton("Cancel", this);
  save->setObjectName("SaveMembutton");
  cancel->setObjectName("Cancelbutton");
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &TSaveMem::SaveMembuttonClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  resize(206, 139);
}

void TSaveMem::SaveMembuttonClick() {
  bool inputError = false;
  const int32_t from = TestHex(EdFrom->text().toStdString(), inputError);
  const int32_t to = TestHex(EdTo->text().toStdString(), inputError);
  const int32_t start = TestHex(EdStart->text().toStdString(), inputError);
  if (inputError) {
    done(kAbort);
    return;
  }
  from_ = static_cast<uint16_t>(from);
  to_ = static_cast<uint16_t>(to);
  start_ = static_cast<uint16_t>(start);
  const auto chosen = dialogs_.ChooseSaveFile("Save Memory to Cassette", "Save Memory (*.cas)|*.CAS");
  if (!chosen) {
    reject();
    return;
  }
  chosenName_ = chosen->path;
  accept();
}

}  // namespace quillor
