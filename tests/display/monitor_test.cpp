#include "display/monitor.h"

#include <gtest/gtest.h>

#include "display/bitmap_picture.h"
#include "display/panel_pictures.h"
#include "display_test_support.h"

namespace quillor {
namespace {

constexpr uint32_t kFilled = 0x0080FF, kEmpty = 0x183060;

class MonitorTest : public ::testing::Test {
 protected:
  MonitorTest() : monitor(surfaces.ScreenSurface, surfaces.BarSurfaces) {
    auto bar = DecodeBitmap(test::MakeSolidPicture(kBarWidth, kBarHeight, kFilled, kEmpty));
    for (Surface& s : surfaces.BarSurfaces) s.LoadFromBitmap(*bar);
  }
  PaletteEntry Entry(int i) const { return surfaces.ScreenSurface.AppliedPalette()[i]; }

  FrameSurfaces surfaces;
  Monitor monitor;
};

TEST(RoundHalfEven, Ties) {
  EXPECT_EQ(RoundHalfEven(85, 2), 42);  // 42.5
  EXPECT_EQ(RoundHalfEven(87, 2), 44);  // 43.5
  EXPECT_EQ(RoundHalfEven(10, 4), 2);
  EXPECT_EQ(RoundHalfEven(11, 4), 3);
}

TEST_F(MonitorTest, DefaultsGiveBlackAndPureGreys) {
  monitor.SetColors();
  EXPECT_EQ(Entry(0), (PaletteEntry{0, 0, 0}));
  EXPECT_EQ(Entry(1), (PaletteEntry{128, 128, 128}));
  EXPECT_EQ(Entry(2), (PaletteEntry{192, 192, 192}));
  EXPECT_EQ(Entry(3), (PaletteEntry{255, 255, 255}));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Entry(i + 4), Entry(i));
}

TEST_F(MonitorTest, Skins) {
  monitor.ApplySkin(Skin::Green);
  EXPECT_EQ(Entry(0), (PaletteEntry{0, 17, 0}));
  EXPECT_EQ(Entry(4), (PaletteEntry{0, 8, 0}));
  EXPECT_EQ(Entry(1), (PaletteEntry{0, 128, 0}));
  EXPECT_EQ(Entry(5), (PaletteEntry{0, 115, 0}));
  EXPECT_EQ(Entry(7), (PaletteEntry{0, 230, 0}));  // 229.5 rounds to even

  monitor.ApplySkin(Skin::BwTv);  // red weight 60/72: background red 42.5 -> 42
  EXPECT_EQ(Entry(0), (PaletteEntry{42, 51, 51}));
  EXPECT_EQ(Entry(4), (PaletteEntry{21, 25, 25}));
  EXPECT_EQ(Entry(3), (PaletteEntry{212, 255, 255}));  // 212.5 -> 212

  monitor.ApplySkin(Skin::Amber);  // weights 1, 152/255, 26/255
  EXPECT_EQ(Entry(0), (PaletteEntry{17, 10, 2}));
  EXPECT_EQ(Entry(4), (PaletteEntry{8, 5, 1}));
  EXPECT_EQ(Entry(3), (PaletteEntry{255, 152, 26}));
  EXPECT_EQ(Entry(7), (PaletteEntry{230, 137, 23}));

  monitor.ApplySkin(Skin::Solid);
  EXPECT_EQ(Entry(0), (PaletteEntry{26, 26, 26}));  // 25.5 -> 26
  EXPECT_EQ(Entry(4), Entry(0));
  EXPECT_EQ(Entry(2), (PaletteEntry{192, 192, 192}));

  monitor.ApplySkin(Skin::HighContrast);
  EXPECT_EQ(Entry(0), (PaletteEntry{0, 0, 0}));
  EXPECT_EQ(Entry(3), (PaletteEntry{255, 255, 255}));
}

TEST_F(MonitorTest, BrightnessAndTintRanges) {
  monitor.Settings().Brightness = 0;
  monitor.SetColors();
  EXPECT_EQ(Entry(3), (PaletteEntry{153, 153, 153}));
  monitor.Settings().Color = 72;  // cyan-white: red weight 0.5
  monitor.SetColors();
  EXPECT_EQ(Entry(1), (PaletteEntry{38, 77, 77}));  // 38.4, 76.8
  monitor.Settings().Color = 99;                    // out of range: weights of the last call
  monitor.SetColors();
  EXPECT_EQ(Entry(1), (PaletteEntry{38, 77, 77}));
}

TEST_F(MonitorTest, SettingsFromOutsideTheRangeAreCappedNotWrapped) {
  monitor.Settings().Brightness = 400;
  monitor.Settings().Contrast = 200;
  monitor.SetColors();
  EXPECT_EQ(Entry(3), (PaletteEntry{255, 255, 255}));
  EXPECT_EQ(Entry(0), (PaletteEntry{0, 0, 0}));
}

TEST_F(MonitorTest, PaletteIsOnlyAppliedBySetColors) {
  monitor.Settings().Contrast = 0;
  EXPECT_EQ(Entry(0), (PaletteEntry{0, 0, 0}));
  monitor.SetColors();
  EXPECT_EQ(Entry(0), (PaletteEntry{51, 51, 51}));
}

TEST_F(MonitorTest, BarsShowTheSettings) {
  monitor.Settings().Brightness = 10;
  monitor.SetColors();
  const Surface& bar = surfaces.BarSurfaces[0];
  EXPECT_EQ(bar.PixelColour(24, 4), kFilled);
  EXPECT_EQ(bar.PixelColour(34, 11), kFilled);
  EXPECT_EQ(bar.PixelColour(35, 4), kEmpty);
  EXPECT_EQ(bar.PixelColour(96, 11), kEmpty);
  EXPECT_EQ(bar.PixelColour(97, 4), kFilled);  // outside the scale
  EXPECT_EQ(bar.PixelColour(30, 3), kFilled);
  EXPECT_EQ(bar.PixelColour(30, 12), kFilled);
  // Amber leaves the colour bar as it was drawn last.
  Surface before = surfaces.BarSurfaces[2];
  monitor.ApplySkin(Skin::Amber);
  EXPECT_EQ(surfaces.BarSurfaces[2].PixelColour(61, 8), before.PixelColour(61, 8));
  EXPECT_EQ(before.PixelColour(60, 8), kFilled);
  EXPECT_EQ(before.PixelColour(61, 8), kEmpty);
}

TEST_F(MonitorTest, BarPressesAndHideCountdown) {
  EXPECT_FALSE(monitor.BarsVisible());
  monitor.ToggleMonitorBars();
  EXPECT_TRUE(monitor.BarsVisible());
  EXPECT_EQ(monitor.BarHideCountdown(), kBarHideFrames);
  for (int i = 0; i < 10; ++i) monitor.StepBarHide();
  EXPECT_FALSE(monitor.PressBar(SettingBar::Contrast, 23));
  EXPECT_FALSE(monitor.PressBar(SettingBar::Contrast, 97));
  EXPECT_EQ(monitor.Settings().Contrast, 72);
  EXPECT_EQ(monitor.BarHideCountdown(), kBarHideFrames);
  monitor.ApplySkin(Skin::Amber);
  EXPECT_TRUE(monitor.PressBar(SettingBar::Color, 24 + 36));
  EXPECT_EQ(monitor.Settings().Color, 36);
  EXPECT_EQ(Entry(3), (PaletteEntry{255, 255, 255}));  // amber ended
  for (int i = 1; i < kBarHideFrames; ++i) ASSERT_FALSE(monitor.StepBarHide());
  EXPECT_TRUE(monitor.StepBarHide());
  EXPECT_FALSE(monitor.BarsVisible());
  EXPECT_FALSE(monitor.StepBarHide());
}

TEST(DriveLamps, LitColoursAndDrawing) {
  EXPECT_EQ(LitLampColour(0x716B87), 0xE280A2u);  // 226, 128.4, 162
  EXPECT_EQ(LitLampColour(0xB5B2C7), 0xFFD6EFu);  // capped red, 213.6, 238.8
  std::array<Surface, kDrivePanelCount> drives;
  for (Surface& d : drives) d.SetSize(kDrivePanelWidth, kDrivePanelHeight, 24);
  DrawDriveLeds(drives, {false, true, false, false});
  EXPECT_EQ(drives[0].PixelColour(8, 49), 0x716B87u);
  EXPECT_EQ(drives[1].PixelColour(8, 49), 0xE280A2u);
  EXPECT_EQ(drives[1].PixelColour(9, 52), LitLampColour(0x781E2A));
  EXPECT_EQ(drives[1].PixelColour(7, 49), 0u);  // not a lamp pixel
}

TEST(MediaPictures, PicturesFollowTheInsertedMedia) {
  std::vector<uint8_t> empty = test::MakeSolidPicture(100, 57, 0x111111, 0x111111);
  std::vector<uint8_t> loaded = test::MakeSolidPicture(100, 57, 0x222222, 0x222222);
  std::vector<uint8_t> sheet = test::MakeSolidPicture(164, 163, 0x333333, 0x333333);
  PictureLookup lookup = [&](std::string_view name) -> std::span<const uint8_t> {
    if (name == kDriveEmptyPicture) return empty;
    if (name == kDriveLoadedPicture) return loaded;
    if (name == kRecorderSheetPicture) return sheet;
    return {};
  };
  FrameSurfaces surfaces;
  Surface* drawn = ShowMediaPicture(surfaces, lookup, 2, true);
  EXPECT_EQ(drawn, &surfaces.DrivePanelSurfaces[2]);
  EXPECT_EQ(surfaces.DrivePanelSurfaces[2].PixelColour(8, 49), 0x222222u);  // the picture's own lamp
  ShowMediaPicture(surfaces, lookup, 2, false);
  EXPECT_EQ(surfaces.DrivePanelSurfaces[2].PixelColour(0, 0), 0x111111u);
  EXPECT_EQ(ShowMediaPicture(surfaces, lookup, kCassetteSlot, true), &surfaces.CassettePanelSurface);
  EXPECT_EQ(surfaces.CassettePanelSurface.Width(), 164);
  // A missing picture leaves the panel as it was.
  EXPECT_EQ(ShowMediaPicture(surfaces, lookup, kCassetteSlot, false), nullptr);
  EXPECT_EQ(surfaces.CassettePanelSurface.Width(), 164);
  EXPECT_EQ(ShowMediaPicture(surfaces, lookup, 7, false), nullptr);
}

}  // namespace
}  // namespace quillor
