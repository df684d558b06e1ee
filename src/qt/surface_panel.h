// A fixed-size area of the main window that shows pictures copied onto it 1:1,
// the way a window's drawing context keeps what was last drawn there: each
// Present paints a picture at an offset into the panel's own store, and the
// panel shows that store until the next Present.
#pragma once

#include <QImage>
#include <QWidget>

namespace quillor {

class SurfacePanel : public QWidget {
  Q_OBJECT

 public:
  SurfacePanel(QWidget* parent, const QString& name, QRect geometry, QColor background);

  // Copies the whole picture into the panel with its top-left corner at `at`;
  // what falls outside the panel is cut off.
  void Present(const QImage& picture, QPoint at = {});

  // What the panel shows now (for tests and screenshots of the window).
  const QImage& Contents() const { return store_; }

 signals:
  void MousePressed(Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage store_;
};

}  // namespace quillor
