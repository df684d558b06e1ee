// The "&Screenshot" command, core side. The host stops the frame timer,
// shows the save dialog with this title and filter, hands the choice here,
// shows the returned message (if any) in a message box, and starts the
// timer again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "display/display.h"
#include "display/screenshot.h"

namespace quillor {

inline constexpr std::string_view kScreenshotTitle = "Save screenshot";
inline constexpr std::string_view kScreenshotFilter =
    "JPEG (*.jpg, *.jpeg)|*.JPG; *.JPEG|Bitmap (*.bmp)|*.BMP";

// filterIndex 0 is JPEG, 1 bitmap. The chosen name takes the kind's
// extension. Whatever happens the screen is presented again on the next
// tick. Returns the message for the user when no file was written.
std::optional<std::string> SaveChosenScreenshot(Display& display, const std::string& chosenPath,
                                                int filterIndex);

}  // namespace quillor
