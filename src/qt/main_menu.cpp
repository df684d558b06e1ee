// The menu tree of the main window.
#include <QMenu>
#include <QMenuBar>

#include "qt/main_window.h"

namespace quillor {

QAction* TForm1::AddItem(QMenu* menu, const QString& caption, const char* name, QKeySequence functionKey) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!functionKey.isEmpty()) {
    action->setShortcut(functionKey);
    functionKeys_.push_back({action, functionKey});
  }
  return action;
}

QAction* TForm1::AddCheckItem(QMenu* menu, const QString& caption, const char* name, bool checked) {
  QAction* action = AddItem(menu, caption, name);
  action->setCheckable(true);
  action->setChecked(checked);
  return action;
}

void TForm1::CreateMenus() {
  auto Connect = [this](QAction* action, void (TForm1::*handler)()) {
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu("&File");
  Connect(AddItem(file, "&Autostart", "Autostart1"), &TForm1::Autostart1Click);
  Connect(AddItem(file, "&Text input", "Textinput1"), &TForm1::Textinput1Click);
  // F10: no machine key, menu item or debugger key uses it (Ctrl+V would
  // press the joystick's fire and V).
  Connect(AddItem(file, "&Paste text", "Pastetext1", Qt::Key_F10), &TForm1::Pastetext1Click);
  Connect(AddItem(file, "Save &Memory to Cas", "SaveMemorytoCas1"), &TForm1::SaveMemorytoCas1Click);
  file->addSeparator();
  Connect(AddItem(file, "&Screenshot", "Screenshot1", Qt::Key_F8), &TForm1::Screenshot1Click);
  file->addSeparator();
  Connect(AddItem(file, "E&xit", "Exit1"), &TForm1::Exit1Click);

  QMenu* cpu = bar->addMenu("&CPU");
  Connect(AddItem(cpu, "&Reset", "Reset1", Qt::Key_F11), &TForm1::Reset1Click);
  Connect(AddItem(cpu, "&NMI", "NMI1", Qt::Key_F12), &TForm1::NMI1Click);
  // F1 works from every window of the program, the debugger's included.
  QAction* debugger = Connect(AddItem(cpu, "&Debugger", "Debugger1"), &TForm1::Debugger1Click);
  debugger->setShortcut(Qt::Key_F1);
  debugger->setShortcutContext(Qt::ApplicationShortcut);
  QMenu* turbo = cpu->addMenu("&Turbo");
  Connect(AddCheckItem(turbo, "&Off", "Off1", true), &TForm1::Off1Click);
  Connect(AddCheckItem(turbo, "x &2", "x21", false), &TForm1::x21Click);
  Connect(AddCheckItem(turbo, "&Full", "Full1", false), &TForm1::Full1Click);

  QMenu* options = bar->addMenu("&Options");
  Connect(AddItem(options, "&Sound", "Sound1", Qt::Key_F2), &TForm1::Sound1Click)->setCheckable(true);
  QMenu* config = options->addMenu("&Config");
  Connect(AddCheckItem(config, "HT-1080Z Series I with 16K Ram", "ModelA1", false), &TForm1::ModelA1Click);
  Connect(AddCheckItem(config, "HT-1080Z Series I with 48K Ram", "ModelA2", true), &TForm1::ModelA2Click);
  Connect(AddCheckItem(config, "HT-1080Z Series II with 16K Ram", "ModelB1", false), &TForm1::ModelB1Click);
  Connect(AddCheckItem(config, "HT-1080Z Series II with 48K Ram", "ModelB2", false), &TForm1::ModelB2Click);
  Connect(AddCheckItem(config, "HT-1080Z/64", "ModelC", false), &TForm1::ModelCClick);
  Connect(AddCheckItem(options, "&Fast tape", "FastTape1", true), &TForm1::FastTape1Click);
  QMenu* layout = options->addMenu("&Layout");
  Connect(AddCheckItem(layout, "HU", "HU1", true), &TForm1::HU1Click);
  Connect(AddCheckItem(layout, "EN", "EN1", false), &TForm1::EN1Click);
  CreateRomItems(options);

  QMenu* display = bar->addMenu("&Display");
  Connect(AddItem(display, "&Cut", "Cut1", Qt::Key_F5), &TForm1::Cut1Click)->setCheckable(true);
  Connect(AddItem(display, "&Page", "Page1", Qt::Key_F6), &TForm1::Page1Click)->setCheckable(true);
  QMenu* micolor = display->addMenu("&Micolor 01");
  Connect(AddCheckItem(micolor, "&Enabled", "Enabled1", true), &TForm1::Enabled1Click);
  Connect(AddItem(micolor, "&Toggle", "Toggle1", Qt::Key_F4), &TForm1::Toggle1Click)->setCheckable(true);

  QMenu* monitor = bar->addMenu("&Monitor");
  Connect(AddItem(monitor, "&Settings", "Settings1", Qt::Key_F3), &TForm1::Settings1Click);
  Connect(AddCheckItem(monitor, "S&can lines", "Scanlines1", false), &TForm1::Scanlines1Click);
  QMenu* skins = monitor->addMenu("S&kins");
  connect(AddItem(skins, "Solid", "Solid1"), &QAction::triggered, this, [this] { ApplySkin(Skin::Solid); });
  connect(AddItem(skins, "B/W TV", "BWTV1"), &QAction::triggered, this, [this] { ApplySkin(Skin::BwTv); });
  connect(AddItem(skins, "&Amber monitor", "Ambermonitor1"), &QAction::triggered, this,
          [this] { ApplySkin(Skin::Amber); });
  connect(AddItem(skins, "Green monitor", "Greenmonitor1"), &QAction::triggered, this,
          [this] { ApplySkin(Skin::Green); });
  connect(AddItem(skins, "High contrast", "Highcontrast1"), &QAction::triggered, this,
          [this] { ApplySkin(Skin::HighContrast); });

  // The drive items' captions come from the drives (RefreshDriveCaptions).
  QMenu* insert = bar->addMenu("&Insert");
  Connect(AddItem(insert, "Drive &0", "Disk01"), &TForm1::Disk01Click);
  Connect(AddItem(insert, "Drive &1", "Disk11"), &TForm1::Disk11Click);
  Connect(AddItem(insert, "Drive &2", "Disk21"), &TForm1::Disk21Click);
  Connect(AddItem(insert, "Drive &3", "Disk31"), &TForm1::Disk31Click);
  QMenu* remove = bar->addMenu("&Remove");
  Connect(AddItem(remove, "Drive &0", "Disk02"), &TForm1::Disk02Click);
  Connect(AddItem(remove, "Drive &1", "Disk12"), &TForm1::Disk12Click);
  Connect(AddItem(remove, "Drive &2", "Disk22"), &TForm1::Disk22Click);
  Connect(AddItem(remove, "Drive &3", "Disk32"), &TForm1::Disk32Click);

  QMenu* cassette = bar->addMenu("&Cassette");
  Connect(AddItem(cassette, "&Insert", "Insert1"), &TForm1::Insert1Click);
  Connect(AddItem(cassette, "&Remove", "Remove1"), &TForm1::Remove1Click);

  CreatePrinterMenu(bar->addMenu("&Printer"));
  CreateFavouritesMenu(bar->addMenu("Fa&vorites"));

  QMenu* help = bar->addMenu("&Help");
  Connect(AddItem(help, "&Keyboard", "Kbd1"), &TForm1::Kbd1Click);
  Connect(AddItem(help, "&About", "About1"), &TForm1::About1Click);
}

}  // namespace quillor
