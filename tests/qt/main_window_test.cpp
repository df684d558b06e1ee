#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

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

  QStringList MenuCaptions(QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) captions << action->text();
    return captions;
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
    for (int i = 0; i < 4; ++i)
      QCOMPARE(form.DrivePanel(i)->geometry(), QRect(646, 144 + 60 * i, 100, 57));
    QCOMPARE(form.CassettePanel()->geometry(), QRect(646, 384, 100, 112));
    // The screen is drawn over the bezel, not under it.
    QVERIFY(form.centralWidget()->childAt(300, 200) == form.ScreenPanel());
  }

  void MenusCarryTheirCaptionsMnemonicsAndShortcuts() {
    TForm1 form;
    QStringList bar;
    for (QAction* action : form.menuBar()->actions()) bar << action->text();
    for (const char* caption : {"&File", "&CPU", "&Options", "&Display", "&Monitor", "&Insert",
                                "&Remove", "&Cassette", "&Help"})
      QVERIFY2(bar.contains(caption), caption);

    const std::pair<const char*, const char*> items[] = {
        {"Reset1", "&Reset"}, {"NMI1", "&NMI"}, {"Off1", "&Off"}, {"x21", "x &2"},
        {"Full1", "&Full"}, {"ModelA1", "HT-1080Z Series I with 16K Ram"},
        {"ModelC", "HT-1080Z/64"}, {"HU1", "HU"}, {"EN1", "EN"}, {"Cut1", "&Cut"},
        {"Page1", "&Page"}, {"Enabled1", "&Enabled"}, {"Toggle1", "&Toggle"},
        {"Settings1", "&Settings"}, {"Scanlines1", "S&can lines"},
        {"Ambermonitor1", "&Amber monitor"}, {"Autostart1", "&Autostart"},
        {"Textinput1", "&Text input"}, {"SaveMemorytoCas1", "Save &Memory to Cas"},
        {"Screenshot1", "&Screenshot"}, {"Exit1", "E&xit"}, {"Insert1", "&Insert"},
        {"Remove1", "&Remove"}, {"Kbd1", "&Keyboard"}, {"About1", "&About"}};
    for (auto [name, caption] : items) {
      QAction* action = Item(form, name);
      QVERIFY2(action != nullptr, name);
      QCOMPARE(action->text(), QString(caption));
    }
    QVERIFY(Item(form, "Disk21")->text().startsWith("Drive &2"));
    QVERIFY(Item(form, "Disk32")->text().startsWith("Drive &3"));

    const std::pair<const char*, Qt::Key> keys[] = {
        {"Settings1", Qt::Key_F3}, {"Toggle1", Qt::Key_F4}, {"Cut1", Qt::Key_F5},
        {"Page1", Qt::Key_F6}, {"Screenshot1", Qt::Key_F8}, {"Reset1", Qt::Key_F11},
        {"NMI1", Qt::Key_F12}};
    for (auto [name, key] : keys) QCOMPARE(Item(form, name)->shortcut(), QKeySequence(key));

    QVERIFY(Item(form, "Off1")->isChecked());
    QVERIFY(Item(form, "ModelA2")->isChecked());
    QVERIFY(Item(form, "HU1")->isChecked());
    QVERIFY(Item(form, "Enabled1")->isChecked());
    for (const char* name : {"x21", "Full1", "ModelA1", "ModelC", "EN1", "Cut1", "Page1",
                             "Toggle1", "Scanlines1"})
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
    for (const char* name : {"Settings1", "Toggle1", "Cut1", "Page1", "Screenshot1", "Reset1",
                             "NMI1"})
      QVERIFY2(Item(form, name)->shortcut().isEmpty(), name);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(Item(form, "Reset1")->shortcut(), QKeySequence(Qt::Key_F11));
    QCOMPARE(Item(form, "Settings1")->shortcut(), QKeySequence(Qt::Key_F3));
  }
};

}  // namespace quillor

QTEST_MAIN(quillor::MainWindowTest)
#include "main_window_test.moc"
