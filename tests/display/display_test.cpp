#include "display/display.h"

#include <gtest/gtest.h>

#include <vector>

#include "display_test_support.h"
#include "resources/embedded_resources.h"

namespace quillor {
namespace {

struct Presented {
  Panel panel;
  const Surface* surface;
  int x, y;
};

class RecordingPresenter : public PanelPresenter {
 public:
  void PresentSurface(Panel panel, const Surface& surface, int x, int y) override {
    log.push_back({panel, &surface, x, y});
  }
  void SetBarsVisible(bool visible) override { bars.push_back(visible); }
  int Count(Panel panel) const {
    int n = 0;
    for (const Presented& p : log) n += p.panel == panel;
    return n;
  }
  std::vector<Presented> log;
  std::vector<bool> bars;
};

class DisplayTest : public ::testing::Test {
 protected:
  DisplayTest() : display([](std::string_view) { return std::span<const uint8_t>(); }), memory(65536, 0x20) {
    display.Start();
    display.text.LoadCharacterGenerator(test::MakeGenerator(4096), GeneratorVariant::SeriesOne);
    display.SetColors(Memory(), host);
    host.log.clear();
  }
  MachineMemory Memory() { return MachineMemory(memory.data(), memory.size()); }
  void Frame() { display.PresentRunningFrame(Memory(), dirty, host); }

  Display display;
  RecordingPresenter host;
  std::vector<uint8_t> memory;
  std::array<uint8_t, kVideoBytes> dirty{};
};

TEST_F(DisplayTest, ChangedScreenIsPresentedAtOnceAndOtherwiseEveryFifthFrame) {
  dirty[3] = 1;
  Frame();
  ASSERT_EQ(host.Count(Panel::Screen), 1);
  EXPECT_EQ(host.log[0].surface, &display.surfaces.ScreenSurface);
  EXPECT_EQ(dirty[3], 0);
  for (int i = 0; i < 4; ++i) Frame();
  EXPECT_EQ(host.Count(Panel::Screen), 1);
  Frame();
  EXPECT_EQ(host.Count(Panel::Screen), 2);
}

TEST_F(DisplayTest, PanelsAreRepaintedEverySixthFrame) {
  for (int i = 0; i < 5; ++i) Frame();  // countdown 5 -> 0
  EXPECT_EQ(host.Count(Panel::Cassette), 0);
  Frame();
  EXPECT_EQ(host.Count(Panel::Cassette), 1);
  EXPECT_EQ(host.Count(Panel::Drive3), 1);
  for (int i = 0; i < 6; ++i) Frame();
  EXPECT_EQ(host.Count(Panel::Cassette), 2);
}

TEST_F(DisplayTest, PausedTicksOnlyRepaintEveryFifth) {
  for (int i = 0; i < 24; ++i) display.PresentPausedFrame(host);
  EXPECT_EQ(host.Count(Panel::Screen), 0);  // 25 at start-up
  display.PresentPausedFrame(host);
  EXPECT_EQ(host.Count(Panel::Screen), 1);
  for (int i = 0; i < 5; ++i) display.PresentPausedFrame(host);
  EXPECT_EQ(host.Count(Panel::Screen), 2);
}

TEST_F(DisplayTest, ColourBoardPictureReplacesTheTextScreen) {
  bool upper = false;
  memory[0x8000] = 0x03;
  display.ToggleColourBoardDisplay(Memory(), host);
  ASSERT_TRUE(display.colourBoard.ColourBoardDisplay());
  // Black panel first, then the picture at (12, 10).
  ASSERT_GE(host.log.size(), 2u);
  EXPECT_EQ(host.log[0].surface, &display.surfaces.ScreenSurface);
  EXPECT_EQ(display.surfaces.ScreenSurface.PixelColour(0, 1), 0u);
  EXPECT_EQ(host.log.back().surface, &display.surfaces.HiresSurface);
  EXPECT_EQ(host.log.back().x, 12);
  EXPECT_EQ(host.log.back().y, 10);
  EXPECT_EQ(display.surfaces.HiresSurface.Row(0)[0], 51);
  // Text writes accumulate while the picture is shown.
  dirty[7] = 1;
  Frame();
  EXPECT_EQ(dirty[7], 1);
  EXPECT_EQ(host.log.back().surface, &display.surfaces.HiresSurface);
  // Unchecking "&Enabled" returns to the text screen; UpperMemoryPresent stays.
  display.ToggleColourBoardEnabled(Memory(), upper, host);
  EXPECT_FALSE(display.colourBoard.ColourBoardDisplay());
  EXPECT_FALSE(upper);
  EXPECT_EQ(display.surfaces.ScreenSurface.AppliedPalette()[4], (PaletteEntry{0, 0, 0}));
  EXPECT_EQ(display.surfaces.ScreenSurface.Row(9)[0], 4);  // border pattern back
  // "&Toggle" does nothing while "&Enabled" is unchecked.
  display.ToggleColourBoardDisplay(Memory(), host);
  EXPECT_FALSE(display.colourBoard.ColourBoardDisplay());
  display.ToggleColourBoardEnabled(Memory(), upper, host);
  EXPECT_TRUE(upper);
}

TEST_F(DisplayTest, PendingCellsCanBeDrawnBetweenFramesWithoutAPresent) {
  memory[kVideoBase] = 0xBF;  // all lit
  dirty[0] = 1;
  display.RenderPendingCells(Memory(), dirty);
  EXPECT_EQ(dirty[0], 0);
  EXPECT_NE(display.surfaces.ScreenSurface.Row(kTextTop + 1)[kTextLeft] % 4, 0);
  EXPECT_EQ(host.log.size(), 0u);
  EXPECT_TRUE(display.presentation.ScreenChanged);  // the next frame presents it
  // While the colour board picture is shown the flags wait for the text screen.
  display.ToggleColourBoardDisplay(Memory(), host);
  dirty[1] = 1;
  display.RenderPendingCells(Memory(), dirty);
  EXPECT_EQ(dirty[1], 1);
}

TEST_F(DisplayTest, MonitorChangesWhileThePictureIsShownRedrawIt) {
  display.ToggleColourBoardDisplay(Memory(), host);
  memory[0x8000] = 0x02;  // written while shown but not drawn by us here
  host.log.clear();
  display.ApplySkin(Skin::Green, Memory(), host);
  EXPECT_EQ(display.surfaces.HiresSurface.Row(0)[0], 34);
  EXPECT_EQ(host.log.back().surface, &display.surfaces.HiresSurface);
  EXPECT_EQ(display.monitor.Settings(), SkinSettings(Skin::Green));
}

TEST_F(DisplayTest, BarsShowAndHideThroughTheHost) {
  display.ToggleMonitorBars(host);
  display.ToggleMonitorBars(host);
  display.ToggleMonitorBars(host);
  for (int i = 0; i < kBarHideFrames; ++i) display.StepBarHide(host);
  EXPECT_EQ(host.bars, (std::vector<bool>{true, false, true, false}));
}

TEST(BuiltInPictures, StartAndMediaPicturesUseThem) {
  if (FindEmbeddedResource(kRecorderSheetPicture).empty()) GTEST_SKIP() << "this build carries no pictures";
  Display display;
  display.Start();
  EXPECT_EQ(display.surfaces.CassetteSheet.Width(), kCassetteSheetWidth);
  EXPECT_EQ(display.surfaces.CassetteSheet.Height(), kCassetteSheetHeight);
  for (const Surface& bar : display.surfaces.BarSurfaces) {
    EXPECT_EQ(bar.Width(), kBarWidth);
    EXPECT_EQ(bar.PixelColour(0, 0), 0x0080FFu);
    EXPECT_EQ(bar.PixelColour(1, 1), 0x183060u);
  }
  RecordingPresenter host;
  for (int slot = 0; slot <= kCassetteSlot; ++slot) display.ShowMediaPicture(slot, slot % 2 == 0, host);
  EXPECT_EQ(host.log.size(), 5u);
  EXPECT_EQ(display.surfaces.CassettePanelSurface.Width(), kCassetteSheetWidth);
  EXPECT_EQ(display.surfaces.DrivePanelSurfaces[1].Height(), kDrivePanelHeight);
}

}  // namespace
}  // namespace quillor
