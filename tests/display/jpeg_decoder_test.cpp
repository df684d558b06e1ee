// The decoder refuses what it cannot honestly return: pictures too large to
// hold, and colour spaces its callers do not expect.
#include "display/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace quillor {
namespace {

// A small picture of `components` (1, 3 or 4 = CMYK) encoded by libjpeg.
std::vector<uint8_t> Encode(int width, int height, int components) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<std::size_t>(width) * components, 0x80);
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

// Rewrites the frame header's size, as a damaged or hostile file would.
void DeclareSize(std::vector<uint8_t>& jpeg, int width, int height) {
  for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      jpeg[i + 5] = static_cast<uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<uint8_t>(height);
      jpeg[i + 7] = static_cast<uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<uint8_t>(width);
      return;
    }
  }
  FAIL() << "no frame header";
}

TEST(JpegDecoder, GreyAndColourPicturesDecodeWithTheirComponents) {
  const auto grey = DecodeJpeg(Encode(16, 8, 1));
  ASSERT_TRUE(grey);
  EXPECT_EQ(grey->components, 1);
  EXPECT_EQ(grey->pixels.size(), 16u * 8u);
  const auto colour = DecodeJpeg(Encode(16, 8, 3));
  ASSERT_TRUE(colour);
  EXPECT_EQ(colour->components, 3);
  EXPECT_EQ(colour->pixels.size(), 16u * 8u * 3u);
}

TEST(JpegDecoder, FourComponentPicturesAreRefused) { EXPECT_FALSE(DecodeJpeg(Encode(16, 8, 4))); }

TEST(JpegDecoder, APictureDeclaredBeyondTheLimitIsRefusedBeforeItsPixelsAreAllocated) {
  // A few hundred bytes declaring 8000 x 4000 grey pixels (32 MB): within
  // what this test may allocate, beyond what the decoder accepts.
  auto jpeg = Encode(8, 8, 1);
  DeclareSize(jpeg, 8000, 4000);
  EXPECT_FALSE(DecodeJpeg(jpeg));
  // At the limit the same trick still decodes (libjpeg fills the missing
  // data), so the refusal above is the size's doing.
  auto edge = Encode(8, 8, 1);
  DeclareSize(edge, kMaxJpegPixels / 2048, 2048);
  const auto decoded = DecodeJpeg(edge);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width * decoded->height, kMaxJpegPixels);
}

}  // namespace
}  // namespace quillor
