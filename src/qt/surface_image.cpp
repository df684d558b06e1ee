#include "qt/surface_image.h"

namespace quillor {

QImage ImageOfSurface(const Surface& surface) {
  if (surface.Empty()) return {};
  const auto format = surface.Bits() == 8 ? QImage::Format_Indexed8 : QImage::Format_BGR888;
  QImage image(surface.Pixels().data(), surface.Width(), surface.Height(), surface.Stride(), format);
  if (surface.Bits() == 8) {
    QList<QRgb> colours;
    colours.reserve(256);
    for (const PaletteEntry& entry : surface.AppliedPalette())
      colours.append(qRgb(entry.red, entry.green, entry.blue));
    image.setColorTable(colours);
  }
  return image;
}

}  // namespace quillor
