#include "frontend/screenshot_command.h"

namespace quillor {

std::optional<std::string> SaveChosenScreenshot(Display& display, const std::string& chosenPath,
                                                int filterIndex) {
  ScreenshotKind kind = filterIndex == 1 ? ScreenshotKind::Bitmap : ScreenshotKind::Jpeg;
  std::optional<std::string> failure =
      SaveScreenshot(display.surfaces.ScreenSurface, ScreenshotFileName(chosenPath, kind), kind);
  display.presentation.ScreenChanged = true;
  return failure;
}

}  // namespace quillor
