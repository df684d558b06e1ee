// A surface seen as a QImage over its own pixel memory (no copy): 8-bit
// surfaces as indexed images with their applied colour table, 24-bit ones in
// their blue-green-red byte order. Valid while the surface keeps its size.
#pragma once

#include <QImage>

#include "display/surface.h"

namespace quillor {

QImage ImageOfSurface(const Surface& surface);

}  // namespace quillor
