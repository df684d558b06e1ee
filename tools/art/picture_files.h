// Writing generated pictures: uncompressed 24-bit Windows bitmaps and
// baseline JPEG files.
#pragma once

#include <string>

#include "art/canvas.h"

namespace quillor::art {

// Bottom-up rows, each padded to four bytes, no colour table.
bool WriteBitmapFile(const std::string& path, const Canvas& canvas);
// Baseline (not progressive) JPEG, full colour.
bool WriteJpegFile(const std::string& path, const Canvas& canvas, int quality);

}  // namespace quillor::art
