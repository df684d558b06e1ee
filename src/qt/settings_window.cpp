// The main window's settings, printer, favourites and ROM folder: their
// menus, dialogs and the settings read at start and written at exit.
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenu>

#include "qt/debug_window.h"
#include "qt/favourite_dialogs.h"
#include "qt/kbd_layout_help.h"
#include "qt/line_printer.h"
#include "qt/main_window.h"
#include "qt/qt_settings_store.h"

namespace quillor {

void TForm1::CreateRomItems(QMenu* options) {
  connect(AddItem(options, "&ROM folder...", "RomFolder1"), &QAction::triggered, this,
          &TForm1::RomFolder1Click);
  connect(AddItem(options, "&Built-in ROMs", "BuiltinRoms1"), &QAction::triggered, this,
          &TForm1::BuiltinRoms1Click);
}

void TForm1::CreatePrinterMenu(QMenu* printer) {
  connect(AddItem(printer, "&Output", "Show1"), &QAction::triggered, this, &TForm1::Show1Click);
  connect(AddItem(printer, "&Load paper", "LoadPaper1"), &QAction::triggered, this, &TForm1::LoadPaper1Click);
  connect(AddItem(printer, "&Save to file", "Savetofile1"), &QAction::triggered, this,
          &TForm1::Savetofile1Click);
  QMenu* width = printer->addMenu("&Width");
  connect(AddCheckItem(width, "&80", "N80chars", true), &QAction::triggered, this, &TForm1::N80charsClick);
  connect(AddCheckItem(width, "&132", "N132chars", false), &QAction::triggered, this,
          &TForm1::N132charsClick);
}

void TForm1::CreateFavouritesMenu(QMenu* favourites) {
  connect(AddItem(favourites, "&Add to favorites", "Addtofavorites1"), &QAction::triggered, this,
          &TForm1::Addtofavorites1Click);
  connect(AddItem(favourites, "&Delete items", "favdelete"), &QAction::triggered, this,
          &TForm1::favdeleteClick);
  QAction* separator = favourites->addSeparator();
  separator->setObjectName("favseparator");
  for (int i = 0; i < kFavouriteSlots; ++i) {
    const std::string name = "fav" + std::to_string(i);
    connect(AddItem(favourites, "<empty>", name.c_str()), &QAction::triggered, this,
            [this, i] { Favexec(i); });
  }
  RefreshFavourites();
}

void TForm1::RefreshFavourites() {
  if (!commands_) {
    // Before the commands exist: the menu as designed, every slot free.
    Item("favdelete")->setVisible(false);
    Item("favseparator")->setVisible(false);
    for (int i = 0; i < kFavouriteSlots; ++i) Item(("fav" + std::to_string(i)).c_str())->setVisible(false);
    return;
  }
  const Favourites& favs = commands_->Favs();
  Item("Addtofavorites1")->setVisible(favs.AddItemVisible());
  Item("favdelete")->setVisible(favs.DeleteItemVisible());
  Item("favseparator")->setVisible(favs.SeparatorVisible());
  for (int i = 0; i < kFavouriteSlots; ++i) {
    QAction* item = Item(("fav" + std::to_string(i)).c_str());
    const FavouriteSlot& slot = favs.Slot(i);
    item->setVisible(slot.visible);
    if (!slot.visible) continue;
    item->setText(QString::fromStdString(slot.name));
    item->setStatusTip(QString::fromStdString(slot.file));
    item->setToolTip(QString::fromStdString(slot.file));
  }
}

void TForm1::RestoreSettings(SettingsStore* settings) {
  if (!settings) {
    ownSettings_ = std::make_unique<QtSettingsStore>();
    settings = ownSettings_.get();
  }
  settingsStore_ = settings;
  SettingsRecord defaults;
  defaults.emulator = {pos().x(), pos().y()};
  settings_ = commands_->RestoreSettings(*settingsStore_, defaults);
  move(settings_.emulator.left, settings_.emulator.top);
  linePrinter_->move(settings_.printer.left, settings_.printer.top);
  debug_->move(settings_.debugger.left, settings_.debugger.top);
}

void TForm1::SaveSettings() {
  if (!settingsStore_) return;
  settings_.emulator = {pos().x(), pos().y()};
  settings_.printer = {linePrinter_->pos().x(), linePrinter_->pos().y()};
  settings_.kbdHelp = {kbdLayoutHelp_->pos().x(), kbdLayoutHelp_->pos().y()};
  settings_.debugger = {debug_->pos().x(), debug_->pos().y()};
  commands_->SaveSettings(*settingsStore_, settings_);
  if (auto* store = dynamic_cast<QtSettingsStore*>(settingsStore_)) store->Sync();
}

void TForm1::closeEvent(QCloseEvent* event) {
  SaveSettings();
  QMainWindow::closeEvent(event);
}

void TForm1::Show1Click() {
  linePrinter_->setVisible(!linePrinter_->isVisible());
  if (linePrinter_->isVisible()) linePrinter_->raise();
}

void TForm1::LoadPaper1Click() { commands_->LoadPaper(); }

void TForm1::Savetofile1Click() {
  TimerPause pause(&timer1_);
  linePrinter_->Flush();
  commands_->SavePaper();
}

void TForm1::N80charsClick() {
  commands_->SetPrinterWidth(80);
  SyncChecks();
}
void TForm1::N132charsClick() {
  commands_->SetPrinterWidth(132);
  SyncChecks();
}

void TForm1::Addtofavorites1Click() {
  TimerPause pause(&timer1_);
  addfav_->favname()->clear();
  addfav_->favprogram()->clear();
  addfav_->setResult(QDialog::Rejected);
  if (addfav_->exec() != QDialog::Accepted || addfav_->favname()->text().isEmpty()) return;
  commands_->AddFavourite(addfav_->favname()->text().toStdString(),
                          addfav_->favprogram()->text().toStdString(), addfav_->Target());
  RefreshFavourites();
}

void TForm1::favdeleteClick() {
  TimerPause pause(&timer1_);
  QListWidget* list = favdel_->dellist();
  list->clear();
  for (const int slot : commands_->Favs().VisibleSlots()) {
    auto* line =
        new QListWidgetItem(QString::fromStdString(commands_->Favs().Slot(slot).name).remove('&'), list);
    line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
    line->setCheckState(Qt::Unchecked);
    line->setData(Qt::UserRole, slot);
  }
  if (favdel_->exec() != QDialog::Accepted) return;
  std::vector<int> chosen;
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->checkState() == Qt::Checked)
      chosen.push_back(list->item(row)->data(Qt::UserRole).toInt());
  commands_->Favs().Delete(chosen);
  RefreshFavourites();
}

void TForm1::Favexec(int index) {
  commands_->Favexec(index);
  RefreshDriveCaptions();
}

void TForm1::RomFolder1Click() {
  TimerPause pause(&timer1_);
  const QString folder = QFileDialog::getExistingDirectory(this, "ROM folder");
  if (!folder.isEmpty()) UseRomFolder(folder);
}

void TForm1::UseRomFolder(const QString& folder) { commands_->UseRomFolder(folder.toStdString()); }

void TForm1::BuiltinRoms1Click() { commands_->UseBuiltInRoms(); }

}  // namespace quillor
