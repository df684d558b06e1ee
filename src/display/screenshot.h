// Saving the screen surface as a picture file: a baseline JPEG of quality
// 50, or the surface itself as an 8-bit bitmap.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "display/surface.h"

namespace quillor {

enum class ScreenshotKind { Jpeg, Bitmap };

inline constexpr int kScreenshotJpegQuality = 50;

// The save dialog's rule: whatever extension was typed becomes ".JPG" or
// ".BMP" (appended when there is none).
std::filesystem::path ScreenshotFileName(const std::filesystem::path& chosen, ScreenshotKind kind);

// For names given on a command line: ".jpg"/".jpeg" or ".bmp" in any case.
std::optional<ScreenshotKind> ScreenshotKindOf(const std::filesystem::path& path);

// The surface as a full-colour baseline JPEG, in its applied colours.
// Empty if the encoder failed.
std::vector<uint8_t> EncodeJpeg(const Surface& surface, int quality);

// Writes the file; on failure returns the message to show the user (and
// leaves no partial file behind).
std::optional<std::string> SaveScreenshot(const Surface& screen, const std::filesystem::path& path,
                                          ScreenshotKind kind);

}  // namespace quillor
