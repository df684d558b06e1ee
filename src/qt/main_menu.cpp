// The menu tree of the main window.
#include <QMenu>
#include <QMenuBar>

#include "qt/main_window.h"

namespace quillor {

QAction* TForm1::AddItem(QMenu* menu, const QString& caption, const char* name,
                         QKeySequence functionKey) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!functionKey.isEmpty()) {
    action->setShortcut(functionKey);
    functionKeys_.push_back({action, functionKey});
  }
  return action;
}

QAction* TForm1::AddCheckItem(QMenu* menu, const QString& caption, const char* name,
                              bool checked) {
  QAction* action = AddItem(menu, caption, name);
  action->setCheckable(true);
  action->setChecked(checked);
  return action;
}

void TForm1::CreateMenus() {
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu("&File");
  AddItem(file, "&Autostart", "Autostart1");
  AddItem(file, "&Text input", "Textinput1");
  AddItem(file, "Save &Memory to Cas", "SaveMemorytoCas1");
  file->addSeparator();
  AddItem(file, "&Screenshot", "Screenshot1", Qt::Key_F8);
  file->addSeparator();
  AddItem(file, "E&xit", "Exit1");

  QMenu* cpu = bar->addMenu("&CPU");
  AddItem(cpu, "&Reset", "Reset1", Qt::Key_F11);
  AddItem(cpu, "&NMI", "NMI1", Qt::Key_F12);
  QMenu* turbo = cpu->addMenu("&Turbo");
  AddCheckItem(turbo, "&Off", "Off1", true);
  AddCheckItem(turbo, "x &2", "x21", false);
  AddCheckItem(turbo, "&Full", "Full1", false);

  QMenu* options = bar->addMenu("&Options");
  QMenu* config = options->addMenu("&Config");
  AddCheckItem(config, "HT-1080Z Series I with 16K Ram", "ModelA1", false);
  AddCheckItem(config, "HT-1080Z Series I with 48K Ram", "ModelA2", true);
  AddCheckItem(config, "HT-1080Z Series II with 16K Ram", "ModelB1", false);
  AddCheckItem(config, "HT-1080Z Series II with 48K Ram", "ModelB2", false);
  AddCheckItem(config, "HT-1080Z/64", "ModelC", false);
  QMenu* layout = options->addMenu("&Layout");
  AddCheckItem(layout, "HU", "HU1", true);
  AddCheckItem(layout, "EN", "EN1", false);

  QMenu* display = bar->addMenu("&Display");
  AddItem(display, "&Cut", "Cut1", Qt::Key_F5)->setCheckable(true);
  AddItem(display, "&Page", "Page1", Qt::Key_F6)->setCheckable(true);
  QMenu* micolor = display->addMenu("&Micolor 01");
  AddCheckItem(micolor, "&Enabled", "Enabled1", true);
  AddItem(micolor, "&Toggle", "Toggle1", Qt::Key_F4)->setCheckable(true);

  QMenu* monitor = bar->addMenu("&Monitor");
  AddItem(monitor, "&Settings", "Settings1", Qt::Key_F3);
  AddCheckItem(monitor, "S&can lines", "Scanlines1", false);
  QMenu* skins = monitor->addMenu("S&kins");
  AddItem(skins, "Solid", "Solid1");
  AddItem(skins, "B/W TV", "BWTV1");
  AddItem(skins, "&Amber monitor", "Ambermonitor1");
  AddItem(skins, "Green monitor", "Greenmonitor1");
  AddItem(skins, "High contrast", "Highcontrast1");

  QMenu* insert = bar->addMenu("&Insert");
  QMenu* remove = bar->addMenu("&Remove");
  for (int drive = 0; drive < 4; ++drive) {
    const QString caption = QString("Drive &%1").arg(drive);
    const QString name = QString("Disk%1").arg(drive);
    AddItem(insert, caption, qPrintable(name + "1"));
    AddItem(remove, caption, qPrintable(name + "2"));
  }

  QMenu* cassette = bar->addMenu("&Cassette");
  AddItem(cassette, "&Insert", "Insert1");
  AddItem(cassette, "&Remove", "Remove1");

  QMenu* help = bar->addMenu("&Help");
  AddItem(help, "&Keyboard", "Kbd1");
  AddItem(help, "&About", "About1");
}

}  // namespace quillor
