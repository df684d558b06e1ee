#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <QKeyEvent>

#include "qt/main_window.h"

namespace quillor {

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QAction* Item(TForm1& form, const char* name) {
    QAction* action = form.findChild<QAction*>(name);
    if (action == nullptr) qWarning("no menu item %s", name);
    return action;
  }

  // A key event as the window system delivers it: with the XKB key code of
  // its position (input-layer code + 8), and a Qt key that disagrees, so
  // that only the position can give the right answer.
  void SendKey(TForm1& form, QEvent::Type type, int position, bool autoRepeat = false) {
    QKeyEvent event(type, Qt::Key_Eacute, Qt::NoModifier, quint32(position + 8), 0, 0, QString(), autoRepeat);
    QApplication::sendEvent(form.centralWidget(), &event);
  }

 private slots:
  void ClientAreaAndPanelsAreWhereTheWindowDesignPutsThem() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QString("Quillor Video Genie I / HT1080Z Emulator v2.5.5"));
    QCOMPARE(form.centralWidget()->size(), QSize(762, 512));
    QCOMPARE(form.centralWidget()->palette().color(QPalette::Window), QColor(0x18, 0x30, 0x60));
    QCOMPARE(form.Bezel()->geometry(), QRect(16, 16, 614, 480));
    QCOMPARE(form.ScreenPanel()->geometry(), QRect(54, 60, 537, 403));
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(form.Bar(i)->geometry(), QRect(646, 16 + 24 * i, 100, 17));
      QVERIFY(!form.Bar(i)->isVisible());
    }
    for (int i = 0; i < 4; ++i) QCOMPARE(form.DrivePanel(i)->geometry(), QRect(646, 144 + 60 * i, 100, 57));
    QCOMPARE(form.CassettePanel()->geometry(), QRect(646, 384, 100, 112));
    // The screen is drawn over the bezel, not under it.
    QVERIFY(form.centralWidget()->childAt(300, 200) == form.ScreenPanel());
  }

  void MenusCarryTheirCaptionsMnemonicsAndShortcuts() {
    TForm1 form;
    QStringList bar;
    for (QAction* action : form.menuBar()->actions()) bar << action->text();
    for (const char* caption :
         {"&File", "&CPU", "&Options", "&Display", "&Monitor", "&Insert", "&Remove", "&Cassette", "&Help"})
      QVERIFY2(bar.contains(caption), caption);

    const std::pair<const char*, const char*> items[] = {{"Reset1", "&Reset"},
                                                         {"NMI1", "&NMI"},
                                                         {"Off1", "&Off"},
                                                         {"x21", "x &2"},
                                                         {"Full1", "&Full"},
                                                         {"ModelA1", "HT-1080Z Series I with 16K Ram"},
                                                         {"ModelC", "HT-1080Z/64"},
                                                         {"HU1", "HU"},
                                                         {"EN1", "EN"},
                                                         {"Cut1", "&Cut"},
                                                         {"Page1", "&Page"},
                                                         {"Enabled1", "&Enabled"},
                                                         {"Toggle1", "&Toggle"},
                                                         {"Settings1", "&Settings"},
                                                         {"Scanlines1", "S&can lines"},
                                                         {"Ambermonitor1", "&Amber monitor"},
                                                         {"Autostart1", "&Autostart"},
                                                         {"Textinput1", "&Text input"},
                                                         {"Pastetext1", "&Paste text"},
                                                         {"SaveMemorytoCas1", "Save &Memory to Cas"},
                                                         {"Screenshot1", "&Screenshot"},
                                                         {"Exit1", "E&xit"},
                                                         {"Insert1", "&Insert"},
                                                         {"Remove1", "&Remove"},
                                                         {"Kbd1", "&Keyboard"},
                                                         {"About1", "&About"},
                                                         {"Sound1", "&Sound"}};
    for (auto [name, caption] : items) {
      QAction* action = Item(form, name);
      QVERIFY2(action != nullptr, name);
      QCOMPARE(action->text(), QString(caption));
    }
    QVERIFY(Item(form, "Disk21")->text().startsWith("Drive &2"));
    QVERIFY(Item(form, "Disk32")->text().startsWith("Drive &3"));

    const std::pair<const char*, Qt::Key> keys[] = {
        {"Settings1", Qt::Key_F3}, {"Toggle1", Qt::Key_F4},     {"Cut1", Qt::Key_F5},
        {"Page1", Qt::Key_F6},     {"Screenshot1", Qt::Key_F8}, {"Reset1", Qt::Key_F11},
        {"NMI1", Qt::Key_F12},     {"Sound1", Qt::Key_F2},      {"Pastetext1", Qt::Key_F10}};
    for (auto [name, key] : keys) QCOMPARE(Item(form, name)->shortcut(), QKeySequence(key));

    QVERIFY(Item(form, "Off1")->isChecked());
    QVERIFY(Item(form, "ModelA2")->isChecked());
    QVERIFY(Item(form, "HU1")->isChecked());
    QVERIFY(Item(form, "Enabled1")->isChecked());
    for (const char* name :
         {"x21", "Full1", "ModelA1", "ModelC", "EN1", "Cut1", "Page1", "Toggle1", "Scanlines1"})
      QVERIFY2(!Item(form, name)->isChecked(), name);
  }

  void FunctionKeysLeaveTheMenuWhileAnotherWindowIsActive() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    for (const char* name :
         {"Sound1", "Settings1", "Toggle1", "Cut1", "Page1", "Screenshot1", "Reset1", "NMI1"})
      QVERIFY2(Item(form, name)->shortcut().isEmpty(), name);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(Item(form, "Reset1")->shortcut(), QKeySequence(Qt::Key_F11));
    QCOMPARE(Item(form, "Settings1")->shortcut(), QKeySequence(Qt::Key_F3));
  }

  void CommandsMoveTheirCheckMarks() {
    TForm1 form;
    Item(form, "Full1")->trigger();
    QVERIFY(Item(form, "Full1")->isChecked());
    QVERIFY(!Item(form, "Off1")->isChecked());
    QCOMPARE(form.Timer1().interval(), 20);
    Item(form, "ModelC")->trigger();
    QVERIFY(Item(form, "ModelC")->isChecked());
    QVERIFY(!Item(form, "ModelA2")->isChecked());
    QCOMPARE(form.Core().machine.model, 4);
    Item(form, "EN1")->trigger();
    QVERIFY(Item(form, "EN1")->isChecked() && !Item(form, "HU1")->isChecked());
    Item(form, "Cut1")->trigger();
    QVERIFY(Item(form, "Cut1")->isChecked());
    QCOMPARE(form.Core().display.text.CharacterWidth(), 16);
    // "&Toggle" only acts while the board is enabled.
    Item(form, "Enabled1")->trigger();
    QVERIFY(!Item(form, "Enabled1")->isChecked());
    Item(form, "Toggle1")->trigger();
    QVERIFY(!Item(form, "Toggle1")->isChecked());
    Item(form, "Scanlines1")->trigger();
    QVERIFY(Item(form, "Scanlines1")->isChecked());
    Item(form, "Solid1")->trigger();
    QVERIFY(!Item(form, "Scanlines1")->isChecked());
    // Sound starts on with SDL's dummy device; the item switches the samples.
    QVERIFY(Item(form, "Sound1")->isChecked());
    QCOMPARE(qobject_cast<QMenu*>(Item(form, "Sound1")->parent())->title(), QString("&Options"));
    Item(form, "Sound1")->trigger();
    QVERIFY(!Item(form, "Sound1")->isChecked());
    QVERIFY(!form.Core().sound.Enabled());
    Item(form, "Sound1")->trigger();
    QVERIFY(form.Core().sound.Enabled() && Item(form, "Sound1")->isChecked());
  }

  // A key event, then as much machine time as a key change stays in the
  // key queue, with the machine reading the keyboard.
  void Send(TForm1& form, QEvent::Type type, int scanCode, bool autoRepeat = false) {
    SendKey(form, type, scanCode, autoRepeat);
    form.Core().keys.NoteRead();
    form.Core().keys.Advance(form.Core().machine, KeyQueue::kDwellTStates);
  }

  void HostKeysReachTheMatrixByPosition() {
    TForm1 form;
    auto& matrix = form.Core().machine.KeyboardMatrix;
    constexpr int kLeftBrace = 26, kBackspace = 14, kZeroKey = 11, kGraveKey = 41;
    Send(form, QEvent::KeyPress, kLeftBrace);
    QCOMPARE(matrix[0], uint8_t{0x01});
    // A repeated release is no release.
    Send(form, QEvent::KeyRelease, kLeftBrace, true);
    QCOMPARE(matrix[0], uint8_t{0x01});
    Send(form, QEvent::KeyRelease, kLeftBrace);
    QCOMPARE(matrix[0], uint8_t{0x00});
    Send(form, QEvent::KeyPress, kBackspace);
    QCOMPARE(matrix[6], uint8_t{0x20});
    Send(form, QEvent::KeyRelease, kBackspace);
    QCOMPARE(matrix[6], uint8_t{0x00});
    // The key right of "9" is the machine's 0 in both layouts; the key left
    // of "1" is none.
    for (const char* layout : {"HU1", "EN1"}) {
      Item(form, layout)->trigger();
      Send(form, QEvent::KeyPress, kZeroKey);
      QCOMPARE(matrix[4], uint8_t{0x01});
      Send(form, QEvent::KeyRelease, kZeroKey);
      Send(form, QEvent::KeyPress, kGraveKey);
      QCOMPARE(matrix[4], uint8_t{0x00});
      Send(form, QEvent::KeyRelease, kGraveKey);
    }
  }

  void TabIsAMachineKeyNotFocusNavigation() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), focused);
  }

  void PauseShowsInTheCaptionAndStopsTheMachine() {
    TForm1 form;
    form.Core().AssumeTimerOnTime();
    constexpr int kPauseKey = 119;
    SendKey(form, QEvent::KeyPress, kPauseKey);
    QCOMPARE(form.windowTitle(), QString("Quillor -  [Paused]"));
    QVERIFY(form.Core().scheduler.Paused);
    const uint16_t pc = form.Core().cpu.PC;
    form.Timer1Timer();
    QCOMPARE(form.Core().cpu.PC, pc);
    SendKey(form, QEvent::KeyRelease, kPauseKey);
    QVERIFY(form.Core().scheduler.Paused);
    SendKey(form, QEvent::KeyPress, kPauseKey);
    QCOMPARE(form.windowTitle(), QString("Quillor"));
  }

  void AClickOnTheScreenShowsTheBars() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.ScreenPanel(), Qt::LeftButton, {}, QPoint(100, 100));
    for (int i = 0; i < 3; ++i) QVERIFY(form.Bar(i)->isVisible());
    // A press on the brightness bar's scale sets the value under it.
    QTest::mouseClick(form.Bar(0), Qt::LeftButton, {}, QPoint(24 + 30, 8));
    QCOMPARE(form.Core().display.monitor.Settings().Brightness, 30);
    QTest::mouseClick(form.ScreenPanel(), Qt::LeftButton, {}, QPoint(100, 100));
    for (int i = 0; i < 3; ++i) QVERIFY(!form.Bar(i)->isVisible());
  }
};

}  // namespace quillor

QTEST_MAIN(quillor::MainWindowTest)
#include "main_window_test.moc"
