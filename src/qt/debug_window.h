// The debugger window: the debugger model's picture shown 1:1, with the
// window's keys, mouse presses, close button and the cursor's blink timer
// passed to the model. The behaviour is all the model's.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "debugger/debugger_model.h"
#include "debugger/debugger_window.h"
#include "qt/key_position.h"

namespace quillor {

class TDebug : public QWidget, public DebuggerWindow {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{kPictureWidth, kPictureHeight};
  static constexpr QPoint kDesignPosition{279, 190};

  explicit TDebug(QWidget* parent);

  // The model to drive, and the host keyboard layout its keys are read in.
  void SetModel(DebuggerModel* model, std::function<HostLayout()> layout);
  QTimer& BlinkTimer() { return blinkTimer_; }

  // DebuggerWindow
  void ShowDebugger() override;
  void HideDebugger() override { hide(); }
  void SetDebuggerCaption(std::string_view caption) override;
  void FocusDebugger() override;
  void PresentDebugger() override { update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab is not ours

 private:
  DebuggerModel* model_ = nullptr;
  std::function<HostLayout()> layout_;
  QTimer blinkTimer_;
};

}  // namespace quillor
