// The main window: the monitor with its screen, the setting bars, the four
// drives and the cassette recorder, and the menus. It owns the emulator and
// its frame timer, turns window-system events into calls on the emulator and
// shows what the emulator presents; the behaviour itself is the emulator's.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "frontend/user_commands.h"
#include "host/timer_host.h"
#include "host/window_host.h"
#include "machine/emulator.h"
#include "qt/key_position.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_panel_presenter.h"
#include "qt/sdl_wave_device.h"
#include "qt/surface_panel.h"

namespace quillor {

class TDebug;
class TKbdLayoutHelp;
class TSaveMem;
class TLinePrinter;
class TAddfav;
class Tfavdel;
class QtSettingsStore;

class TForm1 : public QMainWindow, public WindowHost, public TimerHost {
  Q_OBJECT

 public:
  // startFile: a file named on the command line, started or inserted once
  // the timer calibration is over (empty for none). dialogs: where the
  // emulator's and the window's file choices and messages go; null for the
  // window's own Qt dialogs (tests give a scripted one).
  // settings: where the settings are read at start and written at exit;
  // null for QSettings("Emulators", "Quillor").
  explicit TForm1(std::string startFile = {}, DialogHost* dialogs = nullptr, QWidget* parent = nullptr,
                  SettingsStore* settings = nullptr);
  ~TForm1() override;

  static constexpr QSize kClientSize{762, 512};
  static constexpr QRgb kWindowColour = qRgb(0x18, 0x30, 0x60);

  Emulator& Core() { return *emulator_; }
  UserCommands& Commands() { return *commands_; }
  QTimer& Timer1() { return timer1_; }

  // The function-key shortcuts of the menu reach the main window only while
  // it is active; another window of the program gets them otherwise.
  void FormActivate();
  void FormDeactivate();

  // Panels, in the order the window lays them out.
  SurfacePanel* Bezel() const { return bezel_; }
  SurfacePanel* ScreenPanel() const { return screenPanel_; }
  SurfacePanel* Bar(int index) const { return bars_[index]; }
  SurfacePanel* DrivePanel(int drive) const { return drivePanels_[drive]; }
  SurfacePanel* CassettePanel() const { return cassettePanel_; }
  TDebug* Debug() const { return debug_; }
  TLinePrinter* LinePrinter() const { return linePrinter_; }
  TAddfav* Addfav() const { return addfav_; }
  Tfavdel* Favdel() const { return favdel_; }
  // The settings as read at start-up (values of parts not built yet kept).
  const SettingsRecord& RestoredSettings() const { return settings_; }
  // Writes every setting with the windows' positions, as at exit.
  void SaveSettings();

  // WindowHost
  void SetCaption(std::string_view caption) override;
  void TakeFocus() override;
  // TimerHost
  void SetInterval(int ms) override { timer1_.setInterval(ms); }
  void Stop() override { timer1_.stop(); }
  void Start() override { timer1_.start(); }

 public slots:
  void Timer1Timer();
  void Reset1Click();
  void NMI1Click();
  void Off1Click();
  void x21Click();
  void Full1Click();
  void Debugger1Click();
  void ModelA1Click() { SetModelClick(0); }
  void ModelA2Click() { SetModelClick(1); }
  void ModelB1Click() { SetModelClick(2); }
  void ModelB2Click() { SetModelClick(3); }
  void ModelCClick() { SetModelClick(4); }
  void FastTape1Click();
  void HU1Click();
  void EN1Click();
  void Cut1Click();
  void Page1Click();
  void Enabled1Click();
  void Toggle1Click();
  void Settings1Click();
  void Scanlines1Click();
  void Sound1Click();
  void Screenshot1Click();
  void SaveMemorytoCas1Click();
  void Exit1Click();
  void Kbd1Click();
  void About1Click();
  // Media and programs. DiskN1 is drive N's item of the "&Insert" submenu,
  // DiskN2 its item of the "&Remove" submenu.
  void Disk01Click() { DriveMenuClick(0, kMediaInsert); }
  void Disk11Click() { DriveMenuClick(1, kMediaInsert); }
  void Disk21Click() { DriveMenuClick(2, kMediaInsert); }
  void Disk31Click() { DriveMenuClick(3, kMediaInsert); }
  void Disk02Click() { DriveMenuClick(0, kMediaRemove); }
  void Disk12Click() { DriveMenuClick(1, kMediaRemove); }
  void Disk22Click() { DriveMenuClick(2, kMediaRemove); }
  void Disk32Click() { DriveMenuClick(3, kMediaRemove); }
  void Insert1Click();
  void Remove1Click();
  void pDisk0MouseDown(Qt::MouseButton button) { DriveMouseDown(0, button); }
  void pDisk1MouseDown(Qt::MouseButton button) { DriveMouseDown(1, button); }
  void pDisk2MouseDown(Qt::MouseButton button) { DriveMouseDown(2, button); }
  void pDisk3MouseDown(Qt::MouseButton button) { DriveMouseDown(3, button); }
  void pCasMouseDown(Qt::MouseButton button, QPoint position);
  void Autostart1Click();
  void Textinput1Click();
  void Pastetext1Click();
  // What a file dropped on the window does: the same as the command line.
  void StartDroppedFile(const QString& path);
  // The printer.
  void Show1Click();
  void LoadPaper1Click();
  void Savetofile1Click();
  void N80charsClick();
  void N132charsClick();
  // Favourites; favN calls Favexec(N).
  void Addtofavorites1Click();
  void favdeleteClick();
  void Favexec(int index);
  // The user's ROM images.
  void RomFolder1Click();
  void UseRomFolder(const QString& folder);
  void BuiltinRoms1Click();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  struct FunctionKey {
    QAction* action;
    QKeySequence key;
  };

  void CreatePanels();
  void CreateMenus();
  void CreatePrinterMenu(QMenu* printer);
  void CreateFavouritesMenu(QMenu* favourites);
  void CreateRomItems(QMenu* options);
  // The favourites menu shows the favourites' slots.
  void RefreshFavourites();
  void RestoreSettings(SettingsStore* settings);
  void ConnectPanels();
  QAction* AddItem(QMenu* menu, const QString& caption, const char* name, QKeySequence functionKey = {});
  QAction* AddCheckItem(QMenu* menu, const QString& caption, const char* name, bool checked);
  QAction* Item(const char* name) const;
  // Check marks follow the emulator's state after every command.
  void SyncChecks();
  void SetModelClick(int model);
  void ApplySkin(Skin skin);
  void PressBar(int bar, QPoint position);
  void DriveMenuClick(int drive, int mode);
  void DriveMouseDown(int drive, Qt::MouseButton button);
  // The drive items of the "&Insert" and "&Remove" submenus show what each
  // drive holds; refreshed after every media command.
  void RefreshDriveCaptions();
  HostLayout Layout() const;

  QWidget* client_ = nullptr;
  SurfacePanel* bezel_ = nullptr;
  SurfacePanel* screenPanel_ = nullptr;
  std::array<SurfacePanel*, 3> bars_{};
  std::array<SurfacePanel*, 4> drivePanels_{};
  SurfacePanel* cassettePanel_ = nullptr;
  std::vector<FunctionKey> functionKeys_;

  QTimer timer1_;
  QtDialogs dialogs_;
  DialogHost* dialogHost_;
  QtPanelPresenter panels_;
  SdlWaveDevice wave_{SoundOutput::kBufferSamples};
  std::unique_ptr<Emulator> emulator_;
  std::unique_ptr<UserCommands> commands_;
  TDebug* debug_ = nullptr;
  TKbdLayoutHelp* kbdLayoutHelp_ = nullptr;
  TSaveMem* saveMem_ = nullptr;
  TLinePrinter* linePrinter_ = nullptr;
  TAddfav* addfav_ = nullptr;
  Tfavdel* favdel_ = nullptr;
  std::unique_ptr<QtSettingsStore> ownSettings_;
  SettingsStore* settingsStore_ = nullptr;
  SettingsRecord settings_;
};

}  // namespace quillor
