#include "display/frame_surfaces.h"

namespace quillor {

FrameSurfaces::FrameSurfaces() {
  ScreenSurface.SetSize(kScreenWidth, kScreenHeight, 8);
  for (Surface& drive : DrivePanelSurfaces) drive.SetSize(kDrivePanelWidth, kDrivePanelHeight, 24);
  CassettePanelSurface.SetSize(kCassettePanelWidth, kCassettePanelHeight, 24);
  CassetteSheet.SetSize(kCassetteSheetWidth, kCassetteSheetHeight, 24);
  HiresSurface.SetSize(kHiresWidth, kHiresHeight, 8);
  for (Surface& bar : BarSurfaces) bar.SetSize(kBarWidth, kBarHeight, 24);
}

}  // namespace quillor
