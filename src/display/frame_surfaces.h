// The pictures the program draws into, and the state that decides when the
// scheduler shows them.
#pragma once

#include <array>

#include "display/surface.h"

namespace quillor {

// Geometry of the screen panel and what sits on it.
inline constexpr int kScreenWidth = 537;
inline constexpr int kScreenHeight = 403;
inline constexpr int kHiresWidth = 512;
inline constexpr int kHiresHeight = 386;
inline constexpr int kHiresPanelX = 12;
inline constexpr int kHiresPanelY = 10;
inline constexpr int kDrivePanelWidth = 100;
inline constexpr int kDrivePanelHeight = 57;
inline constexpr int kCassettePanelWidth = 100;
inline constexpr int kCassettePanelHeight = 112;
inline constexpr int kCassetteSheetWidth = 164;
inline constexpr int kCassetteSheetHeight = 163;
inline constexpr int kBarWidth = 100;
inline constexpr int kBarHeight = 17;
inline constexpr int kDrivePanelCount = 4;  // one picture per drive
inline constexpr int kBarCount = 3;

struct FrameSurfaces {
  FrameSurfaces();

  Surface ScreenSurface;                                     // text screen and border, 8 bit
  std::array<Surface, kDrivePanelCount> DrivePanelSurfaces;  // drive pictures with lamps, 24 bit
  Surface CassettePanelSurface;                              // recorder picture, 24 bit
  Surface CassetteSheet;                                     // recorder picture sheet, never shown
  Surface HiresSurface;                                      // colour board picture, 8 bit
  // Brightness, contrast and colour setting bars, 24 bit.
  std::array<Surface, kBarCount> BarSurfaces;
};

// Reload values of the periodic presents.
inline constexpr int kPresentReload = 5;
inline constexpr int kPanelReload = 5;

struct PresentationState {
  bool ScreenChanged = false;  // something was drawn into the screen or hires surface
  int PresentCountdown = 25;   // frames until an unchanged screen is shown again
  int PanelCountdown = 5;      // frames until the side panels are shown again
};

}  // namespace quillor
