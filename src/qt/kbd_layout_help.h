// The keyboard help window: one picture of a host keyboard whose keys carry
// the machine's legends and the function keys' menu commands.
#pragma once

#include <QImage>
#include <QWidget>

namespace quillor {

class TKbdLayoutHelp : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{606, 143};
  static constexpr QPoint kDesignPosition{193, 114};

  TKbdLayoutHelp(QWidget* parent, QImage picture);

  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace quillor
