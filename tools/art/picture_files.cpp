#include "art/picture_files.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include <jpeglib.h>

namespace quillor::art {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

bool WriteBitmapFile(const std::string& path, const Canvas& canvas) {
  const int w = canvas.Width(), h = canvas.Height();
  const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) / 4 * 4;
  const uint32_t imageBytes = stride * static_cast<uint32_t>(h);
  std::vector<uint8_t> f;
  f.push_back('B');
  f.push_back('M');
  Put32(f, 54 + imageBytes);
  Put32(f, 0);
  Put32(f, 54);
  Put32(f, 40);
  Put32(f, static_cast<uint32_t>(w));
  Put32(f, static_cast<uint32_t>(h));
  Put16(f, 1);
  Put16(f, 24);
  Put32(f, 0);  // no compression
  Put32(f, imageBytes);
  Put32(f, 2835);  // 72 dots per inch
  Put32(f, 2835);
  Put32(f, 0);
  Put32(f, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = canvas.Get(x, y);
      f.insert(f.end(), {c.b, c.g, c.r});
    }
    for (uint32_t pad = static_cast<uint32_t>(w) * 3; pad < stride; ++pad) f.push_back(0);
  }
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(f.data()), static_cast<std::streamsize>(f.size()));
  return static_cast<bool>(out);
}

bool WriteJpegFile(const std::string& path, const Canvas& canvas, int quality) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(canvas.Width());
  info.image_height = static_cast<JDIMENSION>(canvas.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(canvas.Width()) * 3);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb c = canvas.Get(x, y);
      row[3 * x] = c.r, row[3 * x + 1] = c.g, row[3 * x + 2] = c.b;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  const bool ok = std::ferror(file) == 0;
  return std::fclose(file) == 0 && ok;
}

}  // namespace quillor::art
