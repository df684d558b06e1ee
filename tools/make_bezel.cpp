// Build-time tool: draws the monitor front (614 x 480) as a baseline JPEG.
//
//   quillor-make-bezel LEGEND_FONT SMALL_FONT OUT.jpg
//
// The picture sits at (16, 16) in the main window and the screen panel at
// (54, 60), so the panel covers x 38-574, y 44-446 of it: the dark glass
// drawn there frames the screen with a few pixels to spare.
#include <cstdio>
#include <string>

#include "art/canvas.h"
#include "art/picture_files.h"
#include "art/text.h"
#include "art/window_style.h"

namespace {

using namespace quillor::art;

constexpr int kWidth = 614, kHeight = 480;
constexpr int kScreenX0 = 38, kScreenY0 = 44, kScreenX1 = 575, kScreenY1 = 447;  // exclusive
constexpr int kQuality = 92;

Canvas DrawBezel(const PixelFont& legend, const PixelFont& small) {
  Canvas c(kWidth, kHeight, kWindow);
  // Casing with a soft highlight along the top.
  c.Fill(RoundRect(1, 1, kWidth - 1, kHeight - 1, 20), kHousingEdge, 0, 0, kWidth, kHeight);
  c.Fill(RoundRect(2, 2, kWidth - 2, kHeight - 2, 19), kHighlight, 0, 0, kWidth, kHeight);
  c.Fill(RoundRect(2, 4, kWidth - 2, kHeight - 2, 19), kHousingDark, 0, 0, kWidth, kHeight);
  c.Fill(RoundRect(4, 4, kWidth - 4, kHeight - 5, 17),
         VerticalGradient(0, kHeight, Hex(0x8490AA), Hex(0x566280)), 0, 0, kWidth, kHeight);
  // The screen surround, sunk in two steps, then the glass.
  c.Fill(RoundRect(20, 24, kWidth - 20, 460, 14), Hex(0x9AA6C0), 0, 0, kWidth, kHeight);
  c.Fill(RoundRect(20, 22, kWidth - 20, 458, 14), Hex(0x343C52), 0, 0, kWidth, kHeight);
  c.Fill(RoundRect(23, 25, kWidth - 23, 456, 12), VerticalGradient(25, 456, Hex(0x4A5470), Hex(0x3C4660)), 0,
         0, kWidth, kHeight);
  c.Fill(RoundRect(kScreenX0 - 7, kScreenY0 - 7, kScreenX1 + 7, kScreenY1 + 7, 10), Hex(0x141822), 0, 0,
         kWidth, kHeight);
  c.Fill(RoundRect(kScreenX0 - 5, kScreenY0 - 5, kScreenX1 + 5, kScreenY1 + 5, 8), Hex(0x050608), 0, 0,
         kWidth, kHeight);
  // Lower trim: name plate, model, power lamp.
  const std::string name = "QUILLOR";
  const int nameWidth = TextWidth(legend, name, 2);
  DrawText(c, legend, name, (kWidth - nameWidth) / 2 + 1, 462 + 1, Hex(0x3A4460), 2);
  DrawText(c, legend, name, (kWidth - nameWidth) / 2, 462, Hex(0xE4EAF6), 2);
  DrawText(c, small, "HT-1080Z  VIDEO GENIE I", 30, 467, Hex(0xC0CADE));
  DrawText(c, small, "POWER", 548, 467, Hex(0xC0CADE));
  c.Fill(Circle(580, 469.5, 3.6), kHousingEdge, 572, 462, 588, 478);
  c.Fill(Circle(580, 469.5, 2.6), Hex(0x50F070), 572, 462, 588, 478);
  c.Fill(Circle(579.2, 468.7, 1.0), Hex(0xD0FFD8), 572, 462, 588, 478);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: quillor-make-bezel LEGEND_FONT SMALL_FONT OUT.jpg\n");
    return 2;
  }
  PixelFont legend, small;
  std::string error;
  if (!LoadLegendFont(argv[1], legend, error) || !LoadSmallFont(argv[2], small, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  if (!WriteJpegFile(argv[3], DrawBezel(legend, small), kQuality)) {
    std::fprintf(stderr, "quillor-make-bezel: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
