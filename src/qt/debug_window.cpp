#include "qt/debug_window.h"

#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quillor {

TDebug::TDebug(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("TDebug");
  setWindowTitle(kDebuggerRunningCaption);
  setFixedSize(kClientSize);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  move(kDesignPosition);
  blinkTimer_.setInterval(kBlinkIntervalMs);
  connect(&blinkTimer_, &QTimer::timeout, this, [this] {
    if (model_ != nullptr) model_->BlinkTick();
  });
}

void TDebug::SetModel(DebuggerModel* model, std::function<HostLayout()> layout) {
  model_ = model;
  layout_ = std::move(layout);
  blinkTimer_.start();
}

void TDebug::ShowDebugger() {
  show();
  raise();
}

void TDebug::SetDebuggerCaption(std::string_view caption) {
  setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void TDebug::FocusDebugger() {
  activateWindow();
  setFocus();
}

void TDebug::paintEvent(QPaintEvent*) {
  if (model_ == nullptr) return;
  const TextScreen& screen = model_->Screen();
  const QImage image(screen.Pixels().data(), kPictureWidth, kPictureHeight, kPictureWidth,
                     QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (const Rgb& c : screen.Palette()) colours.push_back(qRgb(c.red, c.green, c.blue));
  QImage coloured = image;
  coloured.setColorTable(colours);
  QPainter(this).drawImage(QPoint(0, 0), coloured);
}

void TDebug::keyPressEvent(QKeyEvent* event) {
  const int vk = VirtualKeyOfEvent(*event, layout_ ? layout_() : HostLayout::kEnglish);
  if (model_ != nullptr && vk != 0) model_->KeyDown(vk);
  event->accept();
}

void TDebug::mousePressEvent(QMouseEvent* event) {
  if (model_ == nullptr) return;
  MouseButton button = MouseButton::Left;
  if (event->button() == Qt::RightButton) button = MouseButton::Right;
  else if (event->button() == Qt::MiddleButton) button = MouseButton::Middle;
  else if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  model_->MouseDown(button, at.x(), at.y());
}

// Closing runs the machine on, as Esc does.
void TDebug::closeEvent(QCloseEvent* event) {
  if (model_ != nullptr) model_->CloseWindow();
  event->accept();
}

}  // namespace quillor
