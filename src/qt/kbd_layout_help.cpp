#include "qt/kbd_layout_help.h"

#include <QPainter>

namespace quillor {

TKbdLayoutHelp::TKbdLayoutHelp(QWidget* parent, QImage picture)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      picture_(std::move(picture)) {
  setObjectName("TKbdLayoutHelp");
  setWindowTitle("Keyboard Layout");
  setFixedSize(kClientSize);
  move(kDesignPosition);
}

void TKbdLayoutHelp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace quillor
