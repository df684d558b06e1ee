#include "display/display.h"

#include "resources/embedded_resources.h"

namespace quillor {

Display::Display() : Display(PictureLookup(FindEmbeddedResource)) {}

Display::Display(PictureLookup pictures)
    : colourBoard(surfaces.HiresSurface, presentation),
      text(surfaces.ScreenSurface, presentation, colourBoard.Overlay()),
      monitor(surfaces.ScreenSurface, surfaces.BarSurfaces),
      pictures_(std::move(pictures)) {}

void Display::Start() {
  text.ClearScreenSurface();
  text.LoadCharacterGenerator("CHRGENS1", GeneratorVariant::SeriesOne);
  LoadPicture(surfaces.CassetteSheet, pictures_, kRecorderSheetPicture);
  for (int i = 0; i < kBarCount; ++i) LoadPicture(surfaces.BarSurfaces[i], pictures_, kBarPictures[i]);
}

void Display::PresentScreenPicture(PanelPresenter& host) {
  if (colourBoard.ColourBoardDisplay())
    host.PresentSurface(Panel::Screen, surfaces.HiresSurface, kHiresPanelX, kHiresPanelY);
  else host.PresentSurface(Panel::Screen, surfaces.ScreenSurface, 0, 0);
}

void Display::PresentRunningFrame(MachineMemory memory, std::span<uint8_t, kVideoBytes> videoDirtyMap,
                                  PanelPresenter& host) {
  if (colourBoard.ColourBoardDisplay()) {
    host.PresentSurface(Panel::Screen, surfaces.HiresSurface, kHiresPanelX, kHiresPanelY);
    presentation.ScreenChanged = false;
  }
  RenderPendingCells(memory, videoDirtyMap);
  if (presentation.ScreenChanged) {
    host.PresentSurface(Panel::Screen, surfaces.ScreenSurface, 0, 0);
    presentation.ScreenChanged = false;
    presentation.PresentCountdown = kPresentReload;
  } else {
    PresentPausedFrame(host);
  }
  // Repainted every sixth frame, which also repairs damage by other windows.
  if (presentation.PanelCountdown > 0) {
    --presentation.PanelCountdown;
  } else {
    presentation.PanelCountdown = kPanelReload;
    for (int i = 0; i < kDrivePanelCount; ++i)
      host.PresentSurface(DrivePanel(i), surfaces.DrivePanelSurfaces[i], 0, 0);
    host.PresentSurface(Panel::Cassette, surfaces.CassettePanelSurface, 0, 0);
  }
}

void Display::RenderPendingCells(MachineMemory memory, std::span<uint8_t, kVideoBytes> videoDirtyMap) {
  // While the colour board picture is shown the flags accumulate, to be
  // consumed when the text screen returns.
  if (!colourBoard.ColourBoardDisplay()) text.RenderDirtyCells(VideoOf(memory), videoDirtyMap);
}

void Display::PresentPausedFrame(PanelPresenter& host) {
  if (--presentation.PresentCountdown > 0) return;
  presentation.PresentCountdown = kPresentReload;
  PresentScreenPicture(host);
}

void Display::SetColors(MachineMemory memory, PanelPresenter& host) {
  monitor.SetColors();
  for (int i = 0; i < kBarCount; ++i) host.PresentSurface(BarPanel(i), surfaces.BarSurfaces[i], 0, 0);
  if (colourBoard.ColourBoardDisplay()) RedrawHires(memory, host);
}

void Display::ApplySkin(Skin skin, MachineMemory memory, PanelPresenter& host) {
  monitor.Settings() = SkinSettings(skin);
  SetColors(memory, host);
}

void Display::ToggleScanLines(MachineMemory memory, PanelPresenter& host) {
  monitor.Settings().ScanLines = !monitor.Settings().ScanLines;
  SetColors(memory, host);
}

void Display::PressBar(SettingBar bar, int x, MachineMemory memory, PanelPresenter& host) {
  // The monitor sets its own palette; the picture and bars follow here.
  if (monitor.PressBar(bar, x)) SetColors(memory, host);
}

void Display::ToggleMonitorBars(PanelPresenter& host) {
  monitor.ToggleMonitorBars();
  host.SetBarsVisible(monitor.BarsVisible());
}

void Display::StepBarHide(PanelPresenter& host) {
  if (monitor.StepBarHide()) host.SetBarsVisible(false);
}

void Display::RedrawHires(MachineMemory memory, PanelPresenter& host) {
  colourBoard.RedrawHires(memory.data());
  host.PresentSurface(Panel::Screen, surfaces.HiresSurface, kHiresPanelX, kHiresPanelY);
}

void Display::ReturnToTextScreen(MachineMemory memory, PanelPresenter& host) {
  colourBoard.SetColourBoardDisplay(false);
  text.ClearScreenSurface();
  SetColors(memory, host);
  text.RedrawTextScreen(VideoOf(memory));
}

void Display::ToggleColourBoardDisplay(MachineMemory memory, PanelPresenter& host) {
  if (!colourBoard.Enabled()) return;
  if (colourBoard.ColourBoardDisplay()) {
    ReturnToTextScreen(memory, host);
    return;
  }
  colourBoard.SetColourBoardDisplay(true);
  // The whole panel goes black, border included, around the picture.
  surfaces.ScreenSurface.SetPaletteEntry(0, 0, 0, 0);
  surfaces.ScreenSurface.ApplyPalette();
  surfaces.ScreenSurface.Clear(0);
  host.PresentSurface(Panel::Screen, surfaces.ScreenSurface, 0, 0);
  RedrawHires(memory, host);
}

void Display::ToggleColourBoardEnabled(MachineMemory memory, bool& upperMemoryPresent, PanelPresenter& host) {
  colourBoard.SetEnabled(!colourBoard.Enabled());
  if (colourBoard.ColourBoardDisplay()) ReturnToTextScreen(memory, host);
  if (colourBoard.Enabled()) upperMemoryPresent = true;
}

void Display::CutCommand(MachineMemory memory) {
  text.CutCommand(colourBoard.ColourBoardDisplay(), VideoOf(memory));
}

void Display::PageCommand(MachineMemory memory) {
  text.PageCommand(colourBoard.ColourBoardDisplay(), VideoOf(memory));
}

void Display::RedrawScreen(MachineMemory memory, PanelPresenter& host) {
  if (colourBoard.ColourBoardDisplay()) RedrawHires(memory, host);
  else text.RedrawTextScreen(VideoOf(memory));
}

void Display::DrawDriveLeds(const std::array<bool, kDrivePanelCount>& active, PanelPresenter& host) {
  quillor::DrawDriveLeds(surfaces.DrivePanelSurfaces, active);
  for (int i = 0; i < kDrivePanelCount; ++i)
    host.PresentSurface(DrivePanel(i), surfaces.DrivePanelSurfaces[i], 0, 0);
}

void Display::ShowMediaPicture(int slot, bool mediaInserted, PanelPresenter& host) {
  Surface* drawn = quillor::ShowMediaPicture(surfaces, pictures_, slot, mediaInserted);
  if (!drawn) return;
  host.PresentSurface(slot == kCassetteSlot ? Panel::Cassette : DrivePanel(slot), *drawn, 0, 0);
}

}  // namespace quillor
