#include "display/panel_pictures.h"

#include <algorithm>

#include "display/bitmap_picture.h"

namespace quillor {

const std::array<LampPixel, kLampPixels> kDriveLamp = {{
    {8, 49, 0x716B87},
    {9, 49, 0x6E728B},
    {7, 50, 0x4B2D45},
    {8, 50, 0xAE7FA9},
    {9, 50, 0xB5B2C7},
    {10, 50, 0x653F56},
    {7, 51, 0x59282C},
    {8, 51, 0x8C1420},
    {9, 51, 0x801823},
    {10, 51, 0x6F1B2B},
    {8, 52, 0x8E2129},
    {9, 52, 0x781E2A},
}};

uint32_t LitLampColour(uint32_t off) {
  // v * 6 / 5 never lands on a half, so plain rounding is exact.
  auto scale = [](uint32_t v, uint32_t num, uint32_t den) {
    return std::min<uint32_t>((2 * v * num + den) / (2 * den), 255);
  };
  uint32_t red = scale(off >> 16 & 0xFF, 2, 1);
  uint32_t green = scale(off >> 8 & 0xFF, 6, 5);
  uint32_t blue = scale(off & 0xFF, 6, 5);
  return red << 16 | green << 8 | blue;
}

void DrawDriveLeds(std::array<Surface, kDrivePanelCount>& drives,
                   const std::array<bool, kDrivePanelCount>& active) {
  for (int i = 0; i < kDrivePanelCount; ++i)
    for (const LampPixel& p : kDriveLamp)
      drives[i].SetPixel(p.x, p.y, active[i] ? LitLampColour(p.off) : p.off);
}

bool LoadPicture(Surface& surface, const PictureLookup& lookup, std::string_view name) {
  if (!lookup) return false;
  std::optional<BitmapPicture> picture = DecodeBitmap(lookup(name));
  if (!picture) return false;
  surface.LoadFromBitmap(*picture);
  return true;
}

Surface* ShowMediaPicture(FrameSurfaces& surfaces, const PictureLookup& lookup, int slot,
                          bool mediaInserted) {
  if (slot >= 0 && slot < kDrivePanelCount) {
    Surface& drive = surfaces.DrivePanelSurfaces[slot];
    return LoadPicture(drive, lookup, mediaInserted ? kDriveLoadedPicture : kDriveEmptyPicture) ? &drive
                                                                                                : nullptr;
  }
  if (slot == kCassetteSlot) {
    Surface& panel = surfaces.CassettePanelSurface;
    return LoadPicture(panel, lookup, mediaInserted ? kRecorderSheetPicture : kRecorderEmptyPicture)
               ? &panel
               : nullptr;
  }
  return nullptr;
}

}  // namespace quillor
