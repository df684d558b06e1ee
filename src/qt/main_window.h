// The main window: the monitor with its screen, the setting bars, the four
// drives and the cassette recorder, and the menus. It turns window-system
// events into calls on the emulator and shows what the emulator presents.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <vector>

#include "qt/surface_panel.h"

namespace quillor {

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  static constexpr QSize kClientSize{762, 512};
  static constexpr QRgb kWindowColour = qRgb(0x18, 0x30, 0x60);

  // The function-key shortcuts of the menu reach the main window only while
  // it is active; another window of the program gets them otherwise.
  void FormActivate();
  void FormDeactivate();

  // Panels, in the order the window lays them out.
  SurfacePanel* Bezel() const { return bezel_; }
  SurfacePanel* ScreenPanel() const { return screenPanel_; }
  SurfacePanel* Bar(int index) const { return bars_[index]; }
  SurfacePanel* DrivePanel(int drive) const { return drivePanels_[drive]; }
  SurfacePanel* CassettePanel() const { return cassettePanel_; }

 protected:
  void changeEvent(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  struct FunctionKey {
    QAction* action;
    QKeySequence key;
  };

  void CreatePanels();
  void CreateMenus();
  QAction* AddItem(QMenu* menu, const QString& caption, const char* name,
                   QKeySequence functionKey = {});
  QAction* AddCheckItem(QMenu* menu, const QString& caption, const char* name, bool checked);

  QWidget* client_ = nullptr;
  SurfacePanel* bezel_ = nullptr;
  SurfacePanel* screenPanel_ = nullptr;
  std::array<SurfacePanel*, 3> bars_{};
  std::array<SurfacePanel*, 4> drivePanels_{};
  SurfacePanel* cassettePanel_ = nullptr;
  std::vector<FunctionKey> functionKeys_;
};

}  // namespace quillor
