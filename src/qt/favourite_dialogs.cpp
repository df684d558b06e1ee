#include "qt/favourite_dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "frontend/user_commands.h"

namespace quillor {
namespace {

constexpr std::string_view kBrowseFilter =
    "Supported files (*.bas, *.cas, *.cmd, *.dsk)|*.BAS;*.CAS;*.CMD;*.DSK|All files (*.*)|*.*";
constexpr std::string_view kBrowseTitle = "Browse file";

}  // namespace

TAddfav::TAddfav(QWidget* parent, DialogHost*& browseDialogs)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), browseDialogs_(browseDialogs) {
  setObjectName("Addfav");
  setWindowTitle("Add to favorites");
  setFixedSize(kClientSize);
  auto* fileLabel = new QLabel("File:", this);
  fileLabel->setGeometry(16, 16, 60, 20);
  favname_ = new QLineEdit(this);
  favname_->setObjectName("favname");
  favname_->setGeometry(80, 14, 270, 22);
  auto* browse = new QPushButton("Browse", this);
  browse->setObjectName("Button1");
  browse->setGeometry(360, 13, 70, 24);
  auto* programLabel = new QLabel("Program:", this);
  programLabel->setGeometry(16, 48, 60, 20);
  favprogram_ = new QLineEdit(this);
  favprogram_->setObjectName("favprogram");
  favprogram_->setGeometry(80, 46, 270, 22);
  auto* group = new QGroupBox(" Target device ", this);
  group->setObjectName("favdest");
  group->setGeometry(16, 80, 334, 116);
  favdest_ = new QButtonGroup(this);
  const char* items[] = {"Autostart", "Cassette", "Disk 0", "Disk 1", "Disk 2", "Disk 3"};
  for (int i = 0; i < 6; ++i) {
    auto* button = new QRadioButton(items[i], group);
    button->setGeometry(16 + 160 * (i / 3), 24 + 28 * (i % 3), 140, 22);
    favdest_->addButton(button, i);
  }
  favdest_->button(0)->setChecked(true);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setGeometry(360, 172, 70, 24);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(browse, &QPushButton::clicked, this, &TAddfav::Button1Click);
}

void TAddfav::SetTarget(int target) {
  if (auto* button = favdest_->button(target)) button->setChecked(true);
}

void TAddfav::Button1Click() {
  const auto choice = browseDialogs_->ChooseOpenFile(kBrowseTitle, kBrowseFilter, "");
  if (choice) favname_->setText(QString::fromStdString(choice->path));
  favprogram_->setText(QString::fromStdString(UserCommands::ProgramNameOf(favname_->text().toStdString())));
}

Tfavdel::Tfavdel(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("favdel");
  setWindowTitle("Delete items");
  setFixedSize(kClientSize);
  dellist_ = new QListWidget(this);
  dellist_->setObjectName("dellist");
  dellist_->setGeometry(8, 8, 360, 123);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setGeometry(380, 107, 75, 24);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quillor
