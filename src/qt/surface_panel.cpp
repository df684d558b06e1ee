#include "qt/surface_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillor {

SurfacePanel::SurfacePanel(QWidget* parent, const QString& name, QRect geometry, QColor background)
    : QWidget(parent), store_(geometry.size(), QImage::Format_RGB32) {
  setObjectName(name);
  setGeometry(geometry);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  store_.fill(background);
}

void SurfacePanel::Present(const QImage& picture, QPoint at) {
  QPainter painter(&store_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(at, picture);
  painter.end();
  update();
}

void SurfacePanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect().topLeft(), store_, event->rect());
}

void SurfacePanel::mousePressEvent(QMouseEvent* event) {
  emit MousePressed(event->button(), event->position().toPoint());
  event->accept();
}

}  // namespace quillor
