#include <QtTest>

#include "display/surface.h"
#include "qt/main_window.h"
#include "qt/qt_panel_presenter.h"

namespace quillor {

class PanelPresenterTest : public QObject {
  Q_OBJECT

 private slots:
  void IndexedSurfacesShowTheirAppliedColours() {
    TForm1 form;
    QtPanelPresenter presenter(form);
    Surface screen;
    screen.SetSize(537, 403, 8);
    screen.Clear(0);
    screen.Row(10)[20] = 3;
    screen.SetPaletteEntry(3, 255, 128, 0);
    screen.ApplyPalette();
    screen.SetPaletteEntry(3, 0, 0, 255);  // pending only: not shown yet
    presenter.PresentSurface(Panel::Screen, screen, 0, 0);
    const QImage& shown = form.ScreenPanel()->Contents();
    QCOMPARE(QColor(shown.pixel(20, 10)), QColor(255, 128, 0));
    QCOMPARE(QColor(shown.pixel(21, 10)), QColor(0, 0, 0));
  }

  void TrueColourSurfacesKeepTheirByteOrderAndOffset() {
    TForm1 form;
    QtPanelPresenter presenter(form);
    Surface picture;
    picture.SetSize(16, 8, 24);
    picture.Clear(0x102030);
    picture.SetPixel(0, 0, 0xFF8000);
    presenter.PresentSurface(Panel::Drive2, picture, 4, 2);
    const QImage& shown = form.DrivePanel(2)->Contents();
    QCOMPARE(QColor(shown.pixel(4, 2)), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(QColor(shown.pixel(5, 2)), QColor(0x10, 0x20, 0x30));
    // Outside the picture the panel keeps what it had.
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(TForm1::kWindowColour));
  }

  void BarsShowAndHideTogether() {
    TForm1 form;
    form.show();
    QtPanelPresenter presenter(form);
    presenter.SetBarsVisible(true);
    for (int i = 0; i < 3; ++i) QVERIFY(form.Bar(i)->isVisible());
    presenter.SetBarsVisible(false);
    for (int i = 0; i < 3; ++i) QVERIFY(!form.Bar(i)->isVisible());
  }
};

}  // namespace quillor

QTEST_MAIN(quillor::PanelPresenterTest)
#include "panel_presenter_test.moc"
