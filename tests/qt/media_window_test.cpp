#include <QAction>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <vector>

#include "fakes/recording_host.h"
#include "qt/main_window.h"

namespace quillor {

namespace fs = std::filesystem;

class MediaWindowTest : public QObject {
  Q_OBJECT

 private:
  // The window answers its dialogs through the recording host: each
  // ChooseOpenFile takes the next scripted answer (none left: cancelled).
  testing::RecordingHost dialogs_;

  static QString WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const fs::path path = fs::path(QUILLOR_TEST_TMP) / "media_window" / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return QString::fromStdString(path.string());
  }
  static QString PlainDisk(const std::string& name) {
    return WriteFile(name, std::vector<uint8_t>(35 * 2560, 0xE5));
  }
  void Answer(const QString& path) { dialogs_.dialogAnswers.push_back(FileChoice{path.toStdString(), 0}); }
  QString Caption(TForm1& form, const char* name) {
    QAction* action = form.findChild<QAction*>(name);
    return action ? action->text() : QString("no item %1").arg(name);
  }
  void Drop(TForm1& form, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    QVERIFY(drop.isAccepted());
  }

 private slots:
  void init() {
    dialogs_.dialogAnswers.clear();
    dialogs_.dialogRequests.clear();
    dialogs_.messages.clear();
  }

  void DriveMenuCaptionsShowWhatEachDriveHolds() {
    TForm1 form({}, &dialogs_);
    for (const char* name : {"Disk01", "Disk02", "Disk31", "Disk32"})
      QVERIFY2(Caption(form, name).endsWith(": <Empty>"), name);
    QCOMPARE(Caption(form, "Disk21"), QString("Drive &2: <Empty>"));

    // An "&" of the file name is shown, not taken for a mnemonic.
    const QString disk = PlainDisk("tom&jerry.dsk");
    Answer(disk);
    form.findChild<QAction*>("Disk21")->trigger();
    QCOMPARE(dialogs_.dialogRequests.back().title, std::string("Insert disk image"));
    QString shown = disk;
    shown.replace("&", "&&");
    QCOMPARE(Caption(form, "Disk21"), "Drive &2: " + shown);
    QCOMPARE(Caption(form, "Disk22"), "Drive &2: " + shown);
    QCOMPARE(Caption(form, "Disk11"), QString("Drive &1: <Empty>"));

    form.findChild<QAction*>("Disk22")->trigger();
    QCOMPARE(Caption(form, "Disk21"), QString("Drive &2: <Empty>"));
    QCOMPARE(Caption(form, "Disk22"), QString("Drive &2: <Empty>"));
    QCOMPARE(dialogs_.dialogRequests.size(), size_t{1});
  }

  void DrivePanelButtonsInsertRemoveAndRefresh() {
    TForm1 form({}, &dialogs_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage empty = form.DrivePanel(1)->Contents();
    Answer(PlainDisk("b.dsk"));
    QTest::mouseClick(form.DrivePanel(1), Qt::LeftButton, {}, QPoint(50, 30));
    QVERIFY(Caption(form, "Disk11").endsWith("b.dsk"));
    QVERIFY(form.DrivePanel(1)->Contents() != empty);

    QTest::mouseClick(form.DrivePanel(1), Qt::MiddleButton, {}, QPoint(50, 30));
    QVERIFY(Caption(form, "Disk11").endsWith("b.dsk"));
    QTest::mouseClick(form.DrivePanel(1), Qt::RightButton, {}, QPoint(50, 30));
    QCOMPARE(Caption(form, "Disk12"), QString("Drive &1: <Empty>"));
    QVERIFY(form.Core().drives.FileName(1).empty());
    QCOMPARE(form.DrivePanel(1)->Contents(), empty);
    QCOMPARE(dialogs_.dialogRequests.size(), size_t{1});
  }

  void TheRewindButtonRewindsAndTheRestOfThePanelIsTheRecorder() {
    TForm1 form({}, &dialogs_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QString tape = WriteFile("t.cas", std::vector<uint8_t>(300, 0x55));
    Answer(tape);
    form.findChild<QAction*>("Insert1")->trigger();
    QCOMPARE(dialogs_.dialogRequests.back().title, std::string("Insert cassette image"));
    QCOMPARE(QString::fromStdString(form.Core().cassette.FileName()), tape);

    // Wind the tape on a little, then press rewind with the right button:
    // the tape stays in and runs back.
    CassetteDeck& deck = form.Core().cassette;
    for (int step = 0; step < kReelTickSteps * 256; ++step) deck.TapeMotionStep();
    QCOMPARE(deck.TapePosition(), 1);
    QTest::mouseClick(form.CassettePanel(), Qt::RightButton, {}, QPoint(20, 95));
    QVERIFY(deck.Rewinding());
    QVERIFY(deck.Inserted());
    QCOMPARE(dialogs_.dialogRequests.size(), size_t{1});

    // The same button beside the rewind button takes the tape out.
    QTest::mouseClick(form.CassettePanel(), Qt::RightButton, {}, QPoint(40, 95));
    QVERIFY(!deck.Inserted());
    QVERIFY(deck.FileName().empty());
    // With no tape the rewind button is part of the recorder: insert dialog.
    QTest::mouseClick(form.CassettePanel(), Qt::LeftButton, {}, QPoint(20, 95));
    QCOMPARE(dialogs_.dialogRequests.size(), size_t{2});
  }

  void ADroppedProgramStartsAndAnyOtherFileBecomesTheTape() {
    TForm1 form({}, &dialogs_);
    // One data record of three bytes at 0x5000, entry 0x5000.
    const QString program =
        WriteFile("go.cmd", {0x01, 0x05, 0x00, 0x50, 0x3E, 0x41, 0xC9, 0x02, 0x02, 0x00, 0x50});
    Drop(form, program);
    QCOMPARE(form.Core().cpu.PC, uint16_t{0x5000});
    QCOMPARE(form.Core().PeekMemory(0x5001), uint8_t{0x41});

    const QString tape = WriteFile("song.cas", std::vector<uint8_t>(64, 0x00));
    Drop(form, tape);
    QCOMPARE(QString::fromStdString(form.Core().cassette.FileName()), tape);
    QVERIFY(dialogs_.dialogRequests.empty());
  }

  void ADragWithoutALocalFileIsRefused() {
    TForm1 form({}, &dialogs_);
    QMimeData data;
    data.setText("LIST");
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(&form, &enter);
    QVERIFY(!enter.isAccepted());
  }

  void AutostartAndTextInputAskForTheirFiles() {
    TForm1 form({}, &dialogs_);
    const QString notAProgram = WriteFile("notes.txt", {'H', 'I', '\r'});
    Answer(notAProgram);
    form.findChild<QAction*>("Autostart1")->trigger();
    QCOMPARE(dialogs_.dialogRequests.back().title, std::string("Autostart file"));
    QCOMPARE(dialogs_.messages.back(), std::string("Not a program file!"));
    Answer(notAProgram);
    form.findChild<QAction*>("Textinput1")->trigger();
    QCOMPARE(dialogs_.dialogRequests.back().title, std::string("Text input"));
    QVERIFY(form.Core().textInput.Active());
  }

  void PasteTypesTheClipboardAndStopsWhenChosenAgain() {
    TForm1 form({}, &dialogs_);
    QGuiApplication::clipboard()->setText("10 REM\tPASTE\n");
    QAction* paste = form.findChild<QAction*>("Pastetext1");
    paste->trigger();
    QVERIFY(form.Core().textInput.Active());
    paste->trigger();
    QVERIFY(!form.Core().textInput.Active());
  }
};

}  // namespace quillor

QTEST_MAIN(quillor::MediaWindowTest)
#include "media_window_test.moc"
