#include "qt/main_window.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>

#include "qt/debug_window.h"
#include "qt/favourite_dialogs.h"
#include "qt/kbd_layout_help.h"
#include "qt/key_position.h"
#include "qt/line_printer.h"
#include "qt/qt_settings_store.h"
#include "qt/save_mem_dialog.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

constexpr QRect kBezelArea{16, 16, 614, 480};
constexpr QRect kScreenArea{54, 60, 537, 403};
constexpr int kSideColumn = 646;
constexpr QSize kBarSize{100, 17};
constexpr QSize kDriveSize{100, 57};
constexpr QRect kCassetteArea{kSideColumn, 384, 100, 112};
// The frame timer's interval until the calibration has measured the host.
constexpr int kCalibrationInterval = 20;

QImage PictureResource(std::string_view name) {
  const auto bytes = FindEmbeddedResource(name);
  QImage picture;
  if (!bytes.empty()) picture.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
  return picture;
}

}  // namespace

TForm1::TForm1(std::string startFile, DialogHost* dialogs, QWidget* parent, SettingsStore* settings)
    : QMainWindow(parent),
      dialogs_(this, &timer1_),
      dialogHost_(dialogs ? dialogs : &dialogs_),
      panels_(*this) {
  setObjectName("TForm1");
  client_ = new QWidget(this);
  client_->setObjectName("client");
  client_->setFixedSize(kClientSize);
  client_->setAutoFillBackground(true);
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, QColor(kWindowColour));
  client_->setPalette(palette);
  client_->setFocusPolicy(Qt::StrongFocus);
  setCentralWidget(client_);
  CreatePanels();
  CreateMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  timer1_.setTimerType(Qt::PreciseTimer);
  timer1_.setInterval(kCalibrationInterval);
  connect(&timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);

  // Created hidden, before the emulator whose debugger and paper they are.
  debug_ = new TDebug(this);
  linePrinter_ = new TLinePrinter(this);
  emulator_ = std::make_unique<Emulator>(EmulatorHosts{.window = this,
                                                       .panels = &panels_,
                                                       .timer = this,
                                                       .dialogs = dialogHost_,
                                                       .paper = linePrinter_,
                                                       .debugger = debug_,
                                                       .wave = &wave_});
  debug_->SetModel(&emulator_->debugger, [this] { return Layout(); });
  commands_ = std::make_unique<UserCommands>(*emulator_);
  emulator_->commandLineFile = std::move(startFile);
  emulator_->FormCreate();
  RestoreSettings(settings);
  bezel_->Present(PictureResource("BEZEL"));
  for (int slot = 0; slot <= kCassetteSlot; ++slot) emulator_->display.ShowMediaPicture(slot, false, panels_);
  emulator_->FinishStartUp(settings_.model);
  commands_->ReopenMedia(settings_);
  emulator_->display.monitor.RedrawBars();
  for (int bar = 0; bar < kBarCount; ++bar)
    panels_.PresentSurface(BarPanel(bar), emulator_->display.surfaces.BarSurfaces[bar], 0, 0);
  ConnectPanels();
  SyncChecks();
  RefreshDriveCaptions();
  setAcceptDrops(true);

  kbdLayoutHelp_ = new TKbdLayoutHelp(this, PictureResource("KBDHELP"));
  kbdLayoutHelp_->move(settings_.kbdHelp.left, settings_.kbdHelp.top);
  addfav_ = new TAddfav(this, dialogHost_);
  favdel_ = new Tfavdel(this);
  RefreshFavourites();
  saveMem_ = new TSaveMem(this, dialogs_);
  client_->setFocus();
}

// The debugger window goes first: it drives the emulator's debugger.
TForm1::~TForm1() {
  timer1_.stop();
  delete debug_;
}

void TForm1::CreatePanels() {
  const QColor background(kWindowColour);
  bezel_ = new SurfacePanel(client_, "Bezel", kBezelArea, background);
  screenPanel_ = new SurfacePanel(client_, "pScreen", kScreenArea, Qt::black);
  const char* barNames[] = {"pBrightness", "pContrast", "pColor"};
  for (int i = 0; i < 3; ++i) {
    bars_[i] =
        new SurfacePanel(client_, barNames[i], QRect(QPoint(kSideColumn, 16 + 24 * i), kBarSize), background);
    bars_[i]->hide();
  }
  for (int i = 0; i < 4; ++i)
    drivePanels_[i] = new SurfacePanel(client_, QString("pDisk%1").arg(i),
                                       QRect(QPoint(kSideColumn, 144 + 60 * i), kDriveSize), background);
  cassettePanel_ = new SurfacePanel(client_, "pCas", kCassetteArea, background);
}

void TForm1::ConnectPanels() {
  connect(screenPanel_, &SurfacePanel::MousePressed, this, &TForm1::Settings1Click);
  for (int bar = 0; bar < 3; ++bar)
    connect(bars_[bar], &SurfacePanel::MousePressed, this,
            [this, bar](Qt::MouseButton, QPoint position) { PressBar(bar, position); });
  connect(drivePanels_[0], &SurfacePanel::MousePressed, this, &TForm1::pDisk0MouseDown);
  connect(drivePanels_[1], &SurfacePanel::MousePressed, this, &TForm1::pDisk1MouseDown);
  connect(drivePanels_[2], &SurfacePanel::MousePressed, this, &TForm1::pDisk2MouseDown);
  connect(drivePanels_[3], &SurfacePanel::MousePressed, this, &TForm1::pDisk3MouseDown);
  connect(cassettePanel_, &SurfacePanel::MousePressed, this, &TForm1::pCasMouseDown);
}

QAction* TForm1::Item(const char* name) const { return findChild<QAction*>(name); }

void TForm1::SyncChecks() {
  const Emulator& core = *emulator_;
  Item("Off1")->setChecked(core.scheduler.turbo == Turbo::Off);
  Item("x21")->setChecked(core.scheduler.turbo == Turbo::Double);
  Item("Full1")->setChecked(core.scheduler.turbo == Turbo::Full);
  for (int model = 0; model < kModelCount; ++model)
    Item(std::string(kModels[model].menuItem).c_str())->setChecked(core.machine.model == model);
  Item("FastTape1")->setChecked(core.scheduler.fastTape);
  Item("HU1")->setChecked(core.layout == KeyboardLayout::HU);
  Item("EN1")->setChecked(core.layout == KeyboardLayout::EN);
  Item("Cut1")->setChecked(core.display.text.CutChecked());
  Item("Page1")->setChecked(core.display.text.PageChecked());
  Item("Enabled1")->setChecked(core.display.colourBoard.Enabled());
  Item("Toggle1")->setChecked(core.display.colourBoard.ColourBoardDisplay());
  Item("Scanlines1")->setChecked(core.display.monitor.Settings().ScanLines);
  Item("Sound1")->setChecked(core.sound.Enabled());
  Item("N80chars")->setChecked(core.printer.LineWidth() != 132);
  Item("N132chars")->setChecked(core.printer.LineWidth() == 132);
}

void TForm1::SetCaption(std::string_view caption) {
  setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void TForm1::TakeFocus() {
  activateWindow();
  client_->setFocus();
}

void TForm1::Timer1Timer() {
  emulator_->TimerTick();
  commands_->AfterTick();
}

void TForm1::Reset1Click() { commands_->Reset(); }
void TForm1::NMI1Click() { emulator_->TriggerNmi(); }
void TForm1::Off1Click() {
  emulator_->SetTurbo(Turbo::Off);
  SyncChecks();
}
void TForm1::x21Click() {
  emulator_->SetTurbo(Turbo::Double);
  SyncChecks();
}
void TForm1::Full1Click() {
  emulator_->SetTurbo(Turbo::Full);
  SyncChecks();
}
void TForm1::Debugger1Click() { emulator_->debugger.ToggleFromMenu(); }
void TForm1::SetModelClick(int model) {
  emulator_->SetModel(model);
  SyncChecks();
}
void TForm1::FastTape1Click() {
  commands_->ToggleFastTape();
  SyncChecks();
}
void TForm1::HU1Click() {
  emulator_->SetLayout(KeyboardLayout::HU);
  SyncChecks();
}
void TForm1::EN1Click() {
  emulator_->SetLayout(KeyboardLayout::EN);
  SyncChecks();
}

void TForm1::Cut1Click() {
  commands_->Cut();
  SyncChecks();
}
void TForm1::Page1Click() {
  commands_->Page();
  SyncChecks();
}
void TForm1::Enabled1Click() {
  commands_->ToggleColourBoardEnabled();
  SyncChecks();
}
void TForm1::Toggle1Click() {
  commands_->ToggleColourBoardDisplay();
  SyncChecks();
}
void TForm1::Settings1Click() { commands_->ToggleMonitorBars(); }
void TForm1::Sound1Click() {
  commands_->ToggleSound();
  SyncChecks();
}
void TForm1::Scanlines1Click() {
  commands_->ToggleScanLines();
  SyncChecks();
}
void TForm1::ApplySkin(Skin skin) {
  commands_->ApplySkin(skin);
  SyncChecks();
}
void TForm1::PressBar(int bar, QPoint position) { commands_->PressBar(bar, position.x()); }

void TForm1::Screenshot1Click() {
  TimerPause pause(&timer1_);
  commands_->Screenshot();
}

void TForm1::SaveMemorytoCas1Click() {
  TimerPause pause(&timer1_);
  if (saveMem_->exec() != QDialog::Accepted) return;
  commands_->SaveMemory(saveMem_->ChosenName(), saveMem_->From(), saveMem_->To(), saveMem_->Start());
}

void TForm1::Exit1Click() { close(); }

void TForm1::Kbd1Click() {
  kbdLayoutHelp_->show();
  kbdLayoutHelp_->raise();
  kbdLayoutHelp_->activateWindow();
}

void TForm1::About1Click() { commands_->About(); }

HostLayout TForm1::Layout() const {
  return emulator_->layout == KeyboardLayout::HU ? HostLayout::kHungarian : HostLayout::kEnglish;
}

// A held key repeats, on some desktops as press-release pairs. Repeated
// presses would only set the same bit again (or toggle Pause to and fro), and
// only the real release lets the key go.
void TForm1::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat())
    if (const int vk = VirtualKeyOfEvent(*event, Layout())) commands_->KeyDown(vk);
  event->accept();
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat())
    if (const int vk = VirtualKeyOfEvent(*event, Layout())) commands_->KeyUp(vk);
  event->accept();
}

void TForm1::FormActivate() {
  for (const FunctionKey& entry : functionKeys_) entry.action->setShortcut(entry.key);
}

void TForm1::FormDeactivate() {
  for (const FunctionKey& entry : functionKeys_) entry.action->setShortcut({});
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) FormActivate();
    else FormDeactivate();
  }
  QMainWindow::changeEvent(event);
}

// Tab and Shift+Tab are keys of the machine's keyboard here, not a way to
// move between the window's controls.
bool TForm1::focusNextPrevChild(bool) { return false; }

}  // namespace quillor
