// The debugger window over the real main window, on the offscreen platform.
#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QtTest>

#include "qt/debug_window.h"
#include "qt/main_window.h"

namespace quillor {

class DebugWindowTest : public QObject {
  Q_OBJECT

 private:
  // F-keys by their input-layer position (F1 is 59), as the window system
  // reports them, with a Qt key that disagrees.
  void SendKey(QWidget* widget, int position) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, quint32(position + 8), 0, 0);
    QApplication::sendEvent(widget, &event);
  }
  static constexpr int kF9Position = 67;

  // Stops the machine with the menu item, as F1 does.
  void Stop(TForm1& form) {
    form.Core().AssumeTimerOnTime();
    form.findChild<QAction*>("Debugger1")->trigger();
    form.Timer1Timer();
  }

 private slots:
  void CreatedHiddenWithItsSizeAndTheMenuItem() {
    TForm1 form;
    TDebug* debug = form.Debug();
    QVERIFY(debug != nullptr);
    QVERIFY(!debug->isVisible());
    QCOMPARE(debug->size(), QSize(560, 378));
    QCOMPARE(debug->pos(), QPoint(279, 190));
    QCOMPARE(debug->BlinkTimer().interval(), 250);
    QVERIFY(debug->BlinkTimer().isActive());
    QAction* item = form.findChild<QAction*>("Debugger1");
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), QString("&Debugger"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
  }

  void TheMenuItemStopsAndShowsTheWindowAndF9Resumes() {
    TForm1 form;
    form.show();
    Stop(form);
    TDebug* debug = form.Debug();
    QVERIFY(debug->isVisible());
    QCOMPARE(debug->windowTitle(), QString("Z80 CPU [Stopped]"));
    QVERIFY(form.Core().scheduler.DebuggerStopped);
    // The picture: the frame colour on the disassembly's left frame line, and
    // the line at PC in row 5, which is also the view address: white behind
    // its trailing blank in column 42.
    const QImage shot = debug->grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 100)), QColor(64, 192, 255));
    QCOMPARE(QColor(shot.pixel(8 * 42 + 8, 8 * 5 + 8)), QColor(255, 255, 255));
    QCOMPARE(QColor(shot.pixel(8 * 42 + 8, 8 * 6 + 8)), QColor(0x18, 0x30, 0x60));

    SendKey(debug, kF9Position);
    QCOMPARE(debug->windowTitle(), QString("Z80 CPU [Running]"));
    QVERIFY(!form.Core().scheduler.DebuggerStopped);
    QVERIFY(debug->isVisible());
  }

  void ARightClickSetsABreakpointAndClosingRunsOn() {
    TForm1 form;
    Stop(form);
    TDebug* debug = form.Debug();
    const uint16_t pc = form.Core().cpu.PC;
    QTest::mouseClick(debug, Qt::RightButton, Qt::NoModifier, QPoint(20, 8 * 5 + 7));
    QCOMPARE(form.Core().scheduler.Breakpoints[0], int(pc));
    debug->close();
    QVERIFY(!form.Core().scheduler.DebuggerStopped);
    QVERIFY(!debug->isVisible());
  }
};

}  // namespace quillor

QTEST_MAIN(quillor::DebugWindowTest)
#include "debug_window_test.moc"
