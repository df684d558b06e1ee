// The desktop's settings through a real QSettings INI file in a folder of
// the test's own, the printer window and the favourites menu. The restart
// case also runs on a real X display (see CMakeLists.txt).
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QtTest>

#include "fakes/recording_host.h"
#include "frontend/settings_record.h"
#include "qt/debug_window.h"
#include "qt/favourite_dialogs.h"
#include "qt/line_printer.h"
#include "qt/main_window.h"
#include "qt/qt_settings_store.h"

namespace quillor {

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private:
  // Messages and file choices are recorded, never shown as modal boxes.
  testing::RecordingHost dialogs_;

  QString Folder(const char* name) {
    const QString folder = QString(QUILLOR_TEST_TMP) + "/settings_window/" + name;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
  }
  QAction* Item(TForm1& form, const char* name) { return form.findChild<QAction*>(name); }
  // Runs the machine frame by frame, without the window's timer.
  bool RunUntil(TForm1& form, const std::function<bool()>& done, int frames = 3000) {
    for (int i = 0; i < frames && !done(); ++i) form.Core().Timer1Timer();
    return done();
  }

 private slots:
  void IniFileHoldsEveryValueAndReadsBack() {
    const QString ini = Folder("ini") + "/Quillor.conf";
    SettingsRecord r;
    r.brightness = 11;
    r.scan = true;
    r.printer = {300, 40};
    r.model = 3;
    r.files[4] = "/tapes/a.cas";
    r.favourites = {{"/p/STAR.CMD", "STAR", 0}};
    {
      QtSettingsStore store(ini);
      WriteSettings(store, r);
      QVERIFY(store.Sync());
    }
    QtSettingsStore again(ini);
    QCOMPARE(ReadSettings(again, SettingsRecord{}), r);
    QFile file(ini);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains("Model=3"), qPrintable(text));
    QVERIFY2(text.contains("Scan=1"), qPrintable(text));
    QVERIFY2(text.contains("DestJ=-1"), qPrintable(text));
  }

  void ModelSkinAndPositionsSurviveARestart() {
    const QString ini = Folder("restart") + "/Quillor.conf";
    {
      QtSettingsStore store(ini);
      TForm1 form({}, &dialogs_, nullptr, &store);
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      Item(form, "ModelB2")->trigger();
      Item(form, "Ambermonitor1")->trigger();
      Item(form, "N132chars")->trigger();
      form.move(120, 70);
      form.LinePrinter()->move(400, 300);
      form.Debug()->move(310, 220);
      QVERIFY(Item(form, "Sound1")->isChecked());
      Item(form, "Sound1")->trigger();
      QTRY_COMPARE(form.pos(), QPoint(120, 70));
      form.close();
    }
    QtSettingsStore store(ini);
    TForm1 form({}, &dialogs_, nullptr, &store);
    QCOMPARE(form.Core().machine.model, 3);
    QVERIFY(Item(form, "ModelB2")->isChecked());
    QCOMPARE(form.Core().display.monitor.Settings(), SkinSettings(Skin::Amber));
    QCOMPARE(form.Core().printer.LineWidth(), 132);
    QVERIFY(Item(form, "N132chars")->isChecked());
    QVERIFY(!Item(form, "N80chars")->isChecked());
    QCOMPARE(form.pos(), QPoint(120, 70));
    QCOMPARE(form.LinePrinter()->pos(), QPoint(400, 300));
    QCOMPARE(form.Debug()->pos(), QPoint(310, 220));
    QVERIFY(!form.Core().sound.Enabled());
    QVERIFY(!Item(form, "Sound1")->isChecked());
  }

  void PrinterWindowShowsTheListingAfterLlist() {
    QtSettingsStore store(Folder("llist") + "/Quillor.conf");
    TForm1 form({}, &dialogs_, nullptr, &store);
    TLinePrinter* printer = form.LinePrinter();
    QCOMPARE(printer->windowTitle(), QString("Printer output"));
    QCOMPARE(printer->size(), QSize(665, 401));
    QVERIFY(printer->Paper()->isReadOnly());
    QVERIFY(printer->Paper()->font().fixedPitch());
    QVERIFY(!printer->isVisible());
    Item(form, "Show1")->trigger();
    QVERIFY(printer->isVisible());

    form.Timer1().stop();
    form.Core().AssumeTimerOnTime();
    const std::string typed = "10 GOTO 10\r20 REM \"X\"\rLLIST\r";
    form.Core().textInput.StartWithText(std::vector<uint8_t>(typed.begin(), typed.end()));
    QVERIFY(RunUntil(form, [&] { return !form.Core().textInput.Active(); }));
    QCOMPARE(printer->Lines(), (QStringList{"10 GOTO 10", "20 REM \"X\""}));

    Item(form, "LoadPaper1")->trigger();
    QVERIFY(printer->Lines().isEmpty());
    QVERIFY(form.Core().printer.Paper().empty());
    Item(form, "Show1")->trigger();
    QVERIFY(!printer->isVisible());
  }

  void PaperTakesAHundredThousandLines() {
    TLinePrinter printer(nullptr);
    for (int i = 0; i < 100000; ++i) printer.AppendLine("LINE " + std::to_string(i));
    const QStringList lines = printer.Lines();
    QCOMPARE(lines.size(), 100000);
    QCOMPARE(lines.last(), QString("LINE 99999"));
  }

  void FavouritesMenuFollowsTheFavourites() {
    const QString folder = Folder("favourites");
    QtSettingsStore store(folder + "/Quillor.conf");
    {
      TForm1 form({}, &dialogs_, nullptr, &store);
      QVERIFY(!Item(form, "favdelete")->isVisible());
      QVERIFY(!Item(form, "fav0")->isVisible());
      QCOMPARE(Item(form, "fav0")->text(), QString("<empty>"));
      const QString file = folder + "/GAME.CMD";
      QFile(file).open(QIODevice::WriteOnly);
      QVERIFY(form.Commands().AddFavourite(file.toStdString(), "", 3));
      form.Favexec(9);  // a free slot does nothing
      TAddfav* add = form.Addfav();
      QCOMPARE(add->windowTitle(), QString("Add to favorites"));
      QCOMPARE(add->size(), QSize(445, 212));
      QCOMPARE(form.Favdel()->windowTitle(), QString("Delete items"));
      QCOMPARE(form.Favdel()->size(), QSize(464, 139));
      form.close();
    }
    QtSettingsStore again(folder + "/Quillor.conf");
    TForm1 second({}, &dialogs_, nullptr, &again);
    QVERIFY(Item(second, "fav0")->isVisible());
    QCOMPARE(Item(second, "fav0")->text(), QString("GAME"));
    QVERIFY(Item(second, "favdelete")->isVisible());
    QVERIFY(Item(second, "favseparator")->isVisible());
    // The second window starts its sound like the first: nothing to report.
    QCOMPARE(dialogs_.messages, std::vector<std::string>{});
  }
};

}  // namespace quillor

QTEST_MAIN(quillor::SettingsWindowTest)
#include "settings_window_test.moc"
