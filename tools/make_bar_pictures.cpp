// Build-time tool: draws the three monitor setting bars (100 x 17 each).
//
//   quillor-make-bar-pictures OUT_DIR
//
// writes bar_brightness.bmp, bar_contrast.bmp and bar_colour.bmp: an icon in
// x 0-23 and a framed scale in x 24-96 whose rows 4-11 the program fills
// with the colours found at pixels (0, 0) (filled) and (1, 1) (empty).
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "art/canvas.h"
#include "art/picture_files.h"
#include "art/window_style.h"

namespace {

using namespace quillor::art;

constexpr Rgb kFilled = Hex(0x0080FF);
constexpr Rgb kFrame = Hex(0x7080A8);
constexpr Rgb kIcon = Hex(0xD8E0F4);
constexpr int kScaleLeft = 24, kScaleRight = 96;

void DrawSun(Canvas& c) {
  c.Fill(Circle(12, 8.5, 3.2), kIcon, 0, 0, 24, 17);
  for (int k = 0; k < 8; ++k) {
    const double a = k * std::numbers::pi / 4;
    c.Fill(Segment(12 + 5 * std::cos(a), 8.5 + 5 * std::sin(a), 12 + 7 * std::cos(a), 8.5 + 7 * std::sin(a),
                   1.3),
           kIcon, 0, 0, 24, 17);
  }
}

void DrawContrast(Canvas& c) {
  c.Fill(Circle(12, 8.5, 6.5), kIcon, 0, 0, 24, 17);
  c.Fill(Circle(12, 8.5, 5.3), kWindow, 0, 0, 24, 17);
  c.Fill(
      [](double x, double y) { return x <= 12 && (x - 12) * (x - 12) + (y - 8.5) * (y - 8.5) <= 5.3 * 5.3; },
      kIcon, 0, 0, 24, 17);
}

void DrawColour(Canvas& c) {
  c.Fill(Circle(12, 6, 3.8), Hex(0xF05050), 0, 0, 24, 17);
  c.Fill(Circle(9, 11, 3.8), Hex(0x50D060), 0, 0, 24, 17);
  c.Fill(Circle(15, 11, 3.8), Hex(0x5090FF), 0, 0, 24, 17);
  c.Fill(
      [](double x, double y) {
        return (x - 12) * (x - 12) + (y - 6) * (y - 6) <= 14.4 &&
               (x - 9) * (x - 9) + (y - 11) * (y - 11) <= 14.4 &&
               (x - 15) * (x - 15) + (y - 11) * (y - 11) <= 14.4;
      },
      Hex(0xFFFFFF), 0, 0, 24, 17);
}

Canvas DrawBar(void (*icon)(Canvas&)) {
  Canvas c(100, 17, kWindow);
  icon(c);
  // Frame around the scale, with ticks every eighth of its range.
  c.Rect(kScaleLeft - 1, 3, kScaleRight + 1, 3, kFrame);
  c.Rect(kScaleLeft - 1, 12, kScaleRight + 1, 12, kFrame);
  c.Rect(kScaleLeft - 1, 3, kScaleLeft - 1, 12, kFrame);
  c.Rect(kScaleRight + 1, 3, kScaleRight + 1, 12, kFrame);
  for (int k = 0; k <= 8; ++k) c.Rect(kScaleLeft + 9 * k, 13, kScaleLeft + 9 * k, k % 4 ? 14 : 15, kFrame);
  c.Rect(kScaleLeft, 4, kScaleRight, 11, kFilled);
  // The two colours the program reads back from the picture.
  c.Set(0, 0, kFilled);
  c.Set(1, 1, kWindow);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillor-make-bar-pictures OUT_DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  const bool ok = WriteBitmapFile(dir + "/bar_brightness.bmp", DrawBar(DrawSun)) &&
                  WriteBitmapFile(dir + "/bar_contrast.bmp", DrawBar(DrawContrast)) &&
                  WriteBitmapFile(dir + "/bar_colour.bmp", DrawBar(DrawColour));
  if (!ok) std::fprintf(stderr, "quillor-make-bar-pictures: cannot write to %s\n", dir.c_str());
  return ok ? 0 : 1;
}
