#include "display/screenshot.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "display/whole_file.h"

namespace quillor {
namespace {

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

// The library's default reaction to an error is to end the program; ours
// returns to the encoder, which reports the failure.
[[noreturn]] void LeaveEncoder(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->escape, 1);
}

std::vector<uint8_t> RgbRows(const Surface& surface) {
  std::vector<uint8_t> rgb(static_cast<size_t>(surface.Width()) * surface.Height() * 3);
  uint8_t* out = rgb.data();
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      uint32_t c = surface.PixelColour(x, y);
      *out++ = static_cast<uint8_t>(c >> 16);
      *out++ = static_cast<uint8_t>(c >> 8);
      *out++ = static_cast<uint8_t>(c);
    }
  }
  return rgb;
}

// Kept free of objects with destructors: a longjmp out of the library lands
// here and must skip nothing.
bool Compress(const uint8_t* rgb, int width, int height, int quality, unsigned char** out,
              unsigned long* outSize) {
  jpeg_compress_struct info{};
  JpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = LeaveEncoder;
  if (setjmp(error.escape)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, outSize);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);  // baseline tables; not progressive
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<size_t>(info.next_scanline) * width * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

}  // namespace

std::filesystem::path ScreenshotFileName(const std::filesystem::path& chosen, ScreenshotKind kind) {
  std::filesystem::path name = chosen;
  name.replace_extension(kind == ScreenshotKind::Jpeg ? ".JPG" : ".BMP");
  return name;
}

std::optional<ScreenshotKind> ScreenshotKindOf(const std::filesystem::path& path) {
  std::string extension = Lower(path.extension().string());
  if (extension == ".jpg" || extension == ".jpeg") return ScreenshotKind::Jpeg;
  if (extension == ".bmp") return ScreenshotKind::Bitmap;
  return std::nullopt;
}

std::vector<uint8_t> EncodeJpeg(const Surface& surface, int quality) {
  if (surface.Empty()) return {};
  std::vector<uint8_t> rgb = RgbRows(surface);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  bool ok = Compress(rgb.data(), surface.Width(), surface.Height(), quality, &buffer, &size);
  std::vector<uint8_t> result;
  if (ok && buffer) result.assign(buffer, buffer + size);
  std::free(buffer);
  return result;
}

std::optional<std::string> SaveScreenshot(const Surface& screen, const std::filesystem::path& path,
                                          ScreenshotKind kind) {
  bool written = false;
  if (kind == ScreenshotKind::Bitmap) {
    written = screen.SaveBitmapFile(path);
  } else {
    std::vector<uint8_t> jpeg = EncodeJpeg(screen, kScreenshotJpegQuality);
    written = !jpeg.empty() && WriteWholeFile(path, jpeg);
  }
  if (written) return std::nullopt;
  return "The screenshot could not be saved as \"" + path.string() +
         "\". Check that the folder exists and that you may write to it.";
}

}  // namespace quillor
