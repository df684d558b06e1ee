// A JPEG as a bezel or picture file: decoded, or refused; never more pixels
// than the limit, and the buffer always matches the header it reports.
#include <cstddef>
#include <cstdint>
#include <span>

#include "display/jpeg_decoder.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto picture = quillor::DecodeJpeg(std::span<const uint8_t>(data, size));
  if (!picture) return 0;
  FUZZ_CHECK(picture->width > 0 && picture->height > 0);
  FUZZ_CHECK(static_cast<int64_t>(picture->width) * picture->height <= quillor::kMaxJpegPixels);
  FUZZ_CHECK(picture->components == 1 || picture->components == 3);
  FUZZ_CHECK(picture->pixels.size() ==
             static_cast<size_t>(picture->width) * picture->height * picture->components);
  return 0;
}
