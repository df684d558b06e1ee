#include "display/cassette_panel_drawing.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

// A sheet whose every pixel tells where it came from: 0x00XXYY.
class CassettePanelDrawingTest : public ::testing::Test {
 protected:
  CassettePanelDrawingTest() {
    for (int y = 0; y < kCassetteSheetHeight; ++y)
      for (int x = 0; x < kCassetteSheetWidth; ++x)
        surfaces.CassetteSheet.SetPixel(x, y, static_cast<uint32_t>(x << 8 | y));
    surfaces.CassettePanelSurface.Clear(0xFFFFFF);
  }
  uint32_t Panel(int x, int y) const { return surfaces.CassettePanelSurface.PixelColour(x, y); }
  FrameSurfaces surfaces;
};

TEST_F(CassettePanelDrawingTest, StripsAndRewindButton) {
  DrawRecorderStrip(surfaces, 2);
  EXPECT_EQ(Panel(0, 87), 139u);
  // The recording strip runs one line past the sheet; that line is not drawn.
  EXPECT_EQ(Panel(99, 110), (99u << 8) | 162u);
  EXPECT_EQ(Panel(99, 111), 0xFFFFFFu);
  EXPECT_EQ(Panel(0, 86), 0xFFFFFFu);
  DrawRecorderStrip(surfaces, 1);
  EXPECT_EQ(Panel(5, 90), (5u << 8) | 116u);
  DrawRewindPressed(surfaces);
  EXPECT_EQ(Panel(14, 87), (58u << 8) | 113u);
  EXPECT_EQ(Panel(28, 107), (72u << 8) | 133u);
  EXPECT_EQ(Panel(29, 87), (29u << 8) | 113u);  // the strip beside it
}

TEST_F(CassettePanelDrawingTest, ReelFramesComeFromTheirColumns) {
  DrawRecorderReels(surfaces, 3, 12);
  EXPECT_EQ(Panel(27, 25), (100u << 8) | 48u);
  EXPECT_EQ(Panel(42, 40), (115u << 8) | 63u);
  EXPECT_EQ(Panel(57, 25), (148u << 8) | 64u);  // frame 12: second column, row 4
  EXPECT_EQ(Panel(43, 25), 0xFFFFFFu);
  DrawRecorderReels(surfaces, 16 + 8, 0);  // wraps to frame 8
  EXPECT_EQ(Panel(27, 25), (116u << 8) | 0u);
}

}  // namespace
}  // namespace quillor
