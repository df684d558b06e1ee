// The drive and recorder pictures beside the monitor, and the drive lamps
// drawn over them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "display/frame_surfaces.h"

namespace quillor {

// Names of the picture resources.
inline constexpr std::string_view kDriveEmptyPicture = "2";
inline constexpr std::string_view kDriveLoadedPicture = "3";
inline constexpr std::string_view kRecorderEmptyPicture = "4";
inline constexpr std::string_view kRecorderSheetPicture = "5";
// Brightness, contrast and colour setting bars.
inline constexpr std::array<std::string_view, kBarCount> kBarPictures = {"BARBRIGHT", "BARCONTRAST",
                                                                         "BARCOLOR"};

inline constexpr int kCassetteSlot = 4;

// Finds a picture resource by name; empty when there is none.
using PictureLookup = std::function<std::span<const uint8_t>(std::string_view)>;

struct LampPixel {
  int x, y;
  uint32_t off;  // 0xRRGGBB
};
inline constexpr int kLampPixels = 12;
extern const std::array<LampPixel, kLampPixels> kDriveLamp;

// A lamp pixel lit: red doubled, green and blue by 1.2, rounded, at most 255.
uint32_t LitLampColour(uint32_t off);

// Draws each drive's lamp, lit where `active` says so.
void DrawDriveLeds(std::array<Surface, kDrivePanelCount>& drives,
                   const std::array<bool, kDrivePanelCount>& active);

// Loads a picture resource into a surface, which takes its size. False (and
// the surface unchanged) when the resource is missing or not a picture.
bool LoadPicture(Surface& surface, const PictureLookup& lookup, std::string_view name);

// Slots 0-3: the drive picture with or without a disk; slot 4: the recorder
// with or without a tape. Returns the surface drawn into (to be presented),
// or nullptr when the picture could not be loaded.
Surface* ShowMediaPicture(FrameSurfaces& surfaces, const PictureLookup& lookup, int slot, bool mediaInserted);

}  // namespace quillor
