#include "display/screenshot.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "display/frame_surfaces.h"
#include "display/jpeg_decoder.h"
#include "display/monitor.h"
#include "display/text_renderer.h"
#include "frontend/screenshot_command.h"

namespace quillor {
namespace {

std::filesystem::path TempFile(const char* name) {
  std::filesystem::create_directories(QUILLOR_TEST_TMP);
  auto path = std::filesystem::path(QUILLOR_TEST_TMP) / name;
  std::filesystem::remove(path);
  return path;
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

class ScreenshotTest : public ::testing::Test {
 protected:
  ScreenshotTest()
      : text(surfaces.ScreenSurface, presentation, overlay),
        monitor(surfaces.ScreenSurface, surfaces.BarSurfaces) {
    text.ClearScreenSurface();
    monitor.SetColors();
  }
  FrameSurfaces surfaces;
  PresentationState presentation;
  PixelOverlay overlay;
  TextRenderer text;
  Monitor monitor;
};

TEST_F(ScreenshotTest, BitmapHoldsTheScreenAndItsCurrentPalette) {
  auto path = TempFile("shot.bmp");
  ASSERT_EQ(SaveScreenshot(surfaces.ScreenSurface, path, ScreenshotKind::Bitmap), std::nullopt);
  std::vector<uint8_t> f = ReadAll(path);
  ASSERT_EQ(f.size(), 218698u);
  const uint8_t* palette = f.data() + 54;
  EXPECT_EQ(std::vector<uint8_t>(palette, palette + 16),
            (std::vector<uint8_t>{0, 0, 0, 0, 128, 128, 128, 0, 192, 192, 192, 0, 255, 255, 255, 0}));
  // Bottom-up: stored row 0 is line 402 (even, entry 0), row 1 line 401 (odd, entry 4).
  EXPECT_EQ(f[1078], 0);
  EXPECT_EQ(f[1078 + 540], 4);
}

TEST_F(ScreenshotTest, JpegDecodesToTheScreenSize) {
  surfaces.ScreenSurface.SetPaletteEntry(4, 200, 100, 50);
  surfaces.ScreenSurface.ApplyPalette();
  auto path = TempFile("shot.jpg");
  ASSERT_EQ(SaveScreenshot(surfaces.ScreenSurface, path, ScreenshotKind::Jpeg), std::nullopt);
  const auto decoded = DecodeJpeg(ReadAll(path));
  ASSERT_TRUE(decoded);
  const JpegPicture& d = *decoded;
  EXPECT_EQ(d.width, 537);
  EXPECT_EQ(d.height, 403);
  EXPECT_EQ(d.components, 3);
  EXPECT_FALSE(d.progressive);
  // Odd lines use entry 4; averaged over a line the colour comes through
  // (quality 50 blurs single lines, so only the sum is compared).
  long red = 0, blue = 0;
  for (int x = 0; x < 537; ++x) {
    red += d.pixels[(1 * 537 + x) * 3] + d.pixels[(2 * 537 + x) * 3];
    blue += d.pixels[(1 * 537 + x) * 3 + 2] + d.pixels[(2 * 537 + x) * 3 + 2];
  }
  EXPECT_GT(red, blue * 2);
}

TEST_F(ScreenshotTest, FailuresAreReportedForBothKinds) {
  auto path = std::filesystem::path(QUILLOR_TEST_TMP) / "missing-folder" / "shot.jpg";
  for (ScreenshotKind kind : {ScreenshotKind::Jpeg, ScreenshotKind::Bitmap}) {
    auto message = SaveScreenshot(surfaces.ScreenSurface, path, kind);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find(path.string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

TEST(JpegDecoder, BytesThatAreNoJpegAreRefusedWithoutEndingTheProgram) {
  const std::vector<uint8_t> bitmapHeader{'B', 'M', 0x36, 0x00, 0x00, 0x00};
  EXPECT_FALSE(DecodeJpeg(bitmapHeader));
  EXPECT_FALSE(DecodeJpeg({}));
}

TEST(ScreenshotNames, ExtensionRules) {
  EXPECT_EQ(ScreenshotFileName("/tmp/a/picture.png", ScreenshotKind::Jpeg), "/tmp/a/picture.JPG");
  EXPECT_EQ(ScreenshotFileName("/tmp/a.b/picture", ScreenshotKind::Bitmap), "/tmp/a.b/picture.BMP");
  EXPECT_EQ(ScreenshotFileName("shot.jpeg", ScreenshotKind::Jpeg), "shot.JPG");
  EXPECT_EQ(ScreenshotKindOf("x.JPEG"), ScreenshotKind::Jpeg);
  EXPECT_EQ(ScreenshotKindOf("x.jpg"), ScreenshotKind::Jpeg);
  EXPECT_EQ(ScreenshotKindOf("x.Bmp"), ScreenshotKind::Bitmap);
  EXPECT_EQ(ScreenshotKindOf("x.png"), std::nullopt);
  EXPECT_EQ(ScreenshotKindOf("bmp"), std::nullopt);
}

TEST(ScreenshotCommand, ChosenFilterDecidesKindAndExtension) {
  Display display([](std::string_view) { return std::span<const uint8_t>(); });
  display.Start();
  auto base = TempFile("command.png");
  std::filesystem::remove(std::filesystem::path(base).replace_extension(".BMP"));
  display.presentation.ScreenChanged = false;
  EXPECT_EQ(SaveChosenScreenshot(display, base.string(), 1), std::nullopt);
  EXPECT_TRUE(display.presentation.ScreenChanged);
  EXPECT_EQ(std::filesystem::file_size(std::filesystem::path(base).replace_extension(".BMP")), 218698u);
  EXPECT_EQ(SaveChosenScreenshot(display, base.string(), 0), std::nullopt);
  EXPECT_TRUE(DecodeJpeg(ReadAll(std::filesystem::path(base).replace_extension(".JPG"))).has_value());
  display.presentation.ScreenChanged = false;
  EXPECT_TRUE(SaveChosenScreenshot(display, "/nonexistent-dir/x", 1));
  EXPECT_TRUE(display.presentation.ScreenChanged);
}

}  // namespace
}  // namespace quillor
