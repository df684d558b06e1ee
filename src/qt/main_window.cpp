#include "qt/main_window.h"

#include <QEvent>
#include <QLayout>

namespace quillor {
namespace {

constexpr QRect kBezelArea{16, 16, 614, 480};
constexpr QRect kScreenArea{54, 60, 537, 403};
constexpr int kSideColumn = 646;
constexpr QSize kBarSize{100, 17};
constexpr QSize kDriveSize{100, 57};
constexpr QRect kCassetteArea{kSideColumn, 384, 100, 112};

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TForm1");
  setWindowTitle("Quillor Video Genie I / HT1080Z Emulator v2.5.5");
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
  client_->setFocus();
}

void TForm1::CreatePanels() {
  const QColor background(kWindowColour);
  bezel_ = new SurfacePanel(client_, "Bezel", kBezelArea, background);
  screenPanel_ = new SurfacePanel(client_, "pScreen", kScreenArea, Qt::black);
  const char* barNames[] = {"pBrightness", "pContrast", "pColor"};
  for (int i = 0; i < 3; ++i) {
    bars_[i] = new SurfacePanel(client_, barNames[i],
                                QRect(QPoint(kSideColumn, 16 + 24 * i), kBarSize), background);
    bars_[i]->hide();
  }
  for (int i = 0; i < 4; ++i)
    drivePanels_[i] = new SurfacePanel(client_, QString("pDisk%1").arg(i),
                                       QRect(QPoint(kSideColumn, 144 + 60 * i), kDriveSize),
                                       background);
  cassettePanel_ = new SurfacePanel(client_, "pCas", kCassetteArea, background);
}

void TForm1::FormActivate() {
  for (const FunctionKey& entry : functionKeys_) entry.action->setShortcut(entry.key);
}

void TForm1::FormDeactivate() {
  for (const FunctionKey& entry : functionKeys_) entry.action->setShortcut({});
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow())
      FormActivate();
    else
      FormDeactivate();
  }
  QMainWindow::changeEvent(event);
}

// Tab and Shift+Tab are keys of the machine's keyboard here, not a way to
// move between the window's controls.
bool TForm1::focusNextPrevChild(bool) { return false; }

}  // namespace quillor
