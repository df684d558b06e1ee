#include "display/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quillor {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; we jump back out of the decoder instead of letting it exit.
struct DecodeError {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

}  // namespace

std::optional<JpegPicture> DecodeJpeg(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return std::nullopt;
  jpeg_decompress_struct info{};
  DecodeError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = [](j_common_ptr c) {
    std::longjmp(reinterpret_cast<DecodeError*>(c->err)->escape, 1);
  };
  JpegPicture picture;
  if (setjmp(error.escape)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  // Damaged data that libjpeg can still decode only warns; the picture is
  // returned as decoded and nothing is written to the terminal.
  error.manager.output_message = [](j_common_ptr) {};
  jpeg_read_header(&info, TRUE);
  const uint64_t declared = static_cast<uint64_t>(info.image_width) * info.image_height;
  const bool grey = info.jpeg_color_space == JCS_GRAYSCALE && info.num_components == 1;
  const bool colour =
      info.num_components == 3 && (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB);
  if (declared > static_cast<uint64_t>(kMaxJpegPixels) || (!grey && !colour)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != (grey ? 1 : 3)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.components = info.output_components;
  picture.progressive = info.progressive_mode != 0;
  const size_t rowBytes = static_cast<size_t>(picture.width) * picture.components;
  picture.pixels.resize(rowBytes * picture.height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.pixels.data() + info.output_scanline * rowBytes;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return picture;
}

}  // namespace quillor
