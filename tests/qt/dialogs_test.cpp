#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include "qt/qt_dialogs.h"
#include "qt/save_mem_dialog.h"

namespace quillor {

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  // Answers the next file dialog with this name once it is open.
  void AnswerFileDialog(const QString& name, const QString& filter = {}) {
    QTimer::singleShot(0, [name, filter] {
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
          if (!filter.isEmpty()) dialog->selectNameFilter(filter);
          dialog->selectFile(name);
          QMetaObject::invokeMethod(dialog, "accept");
          return;
        }
      QFAIL("no file dialog open");
    });
  }

 private slots:
  void TheFrameTimerStandsStillWhileADialogIsOpen() {
    QTimer timer;
    timer.start(20);
    QtDialogs dialogs(nullptr, &timer);
    bool timerRanDuringDialog = true;
    QTimer::singleShot(0, [&] {
      timerRanDuringDialog = timer.isActive();
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
          QCOMPARE(box->text(), QString("Unknown image format!"));
          QCOMPARE(box->buttons().size(), 1);
          box->accept();
        }
    });
    dialogs.ShowMessage("Unknown image format!");
    QVERIFY(!timerRanDuringDialog);
    QVERIFY(timer.isActive());
  }

  void ATimerStoppedOnPurposeStaysStopped() {
    QTimer timer;
    { TimerPause pause(&timer); }
    QVERIFY(!timer.isActive());
  }

  void FileChoiceReportsPathAndFilter() {
    QTimer timer;
    QtDialogs dialogs(nullptr, &timer);
    const QString name = QString(QUILLOR_TEST_TMP) + "/shot.bmp";
    QDir().mkpath(QUILLOR_TEST_TMP);
    AnswerFileDialog(name, "Bitmap (*.bmp *.BMP)");
    const auto chosen =
        dialogs.ChooseSaveFile("Save screenshot", "JPEG (*.jpg, *.jpeg)|*.JPG; *.JPEG|Bitmap (*.bmp)|*.BMP");
    QVERIFY(chosen.has_value());
    QCOMPARE(QString::fromStdString(chosen->path), name);
    QCOMPARE(chosen->filterIndex, 1);
  }

  void SaveMemoryDialogStartsWithItsTextsAndAbortsOnBadInput() {
    QTimer timer;
    QtDialogs dialogs(nullptr, &timer);
    TSaveMem dialog(nullptr, dialogs);
    QCOMPARE(dialog.windowTitle(), QString("Save Memory to Cassette"));
    QCOMPARE(dialog.EdFrom->text(), QString("4000"));
    QCOMPARE(dialog.EdTo->text(), QString("FFFF"));
    QCOMPARE(dialog.EdStart->text(), QString("4200"));
    dialog.EdTo->setText("0X4200");  // upper-case X is no hex prefix
    QTimer::singleShot(0, &dialog, &TSaveMem::SaveMembuttonClick);
    QCOMPARE(dialog.exec(), TSaveMem::kAbort);
  }

  void SaveMemoryDialogKeepsTheAddressesAndTheChosenName() {
    QTimer timer;
    QtDialogs dialogs(nullptr, &timer);
    TSaveMem dialog(nullptr, dialogs);
    dialog.EdFrom->setText("0x5000");
    dialog.EdTo->setText("abcd");
    dialog.EdStart->setText("52001");
    const QString name = QString(QUILLOR_TEST_TMP) + "/game.dat";
    QDir().mkpath(QUILLOR_TEST_TMP);
    QTimer::singleShot(0, [&] {
      AnswerFileDialog(name);
      dialog.SaveMembuttonClick();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.From(), 0x5000);
    QCOMPARE(dialog.To(), 0xABCD);
    QCOMPARE(dialog.Start(), 0x5200);
    QCOMPARE(QString::fromStdString(dialog.ChosenName()), name);
  }
};

}  // namespace quillor

QTEST_MAIN(quillor::DialogsTest)
#include "dialogs_test.moc"
