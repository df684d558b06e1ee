// A small 24-bit drawing surface for the build-time picture generators:
// solid and shaded shapes with smooth edges (4 x 4 supersampling), so the
// pictures are drawn from a few numbers in code rather than kept as pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace quillor::art {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(uint32_t rrggbb) {
  return {static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
          static_cast<uint8_t>(rrggbb)};
}

// a at t = 0, b at t = 1.
Rgb Mix(Rgb a, Rgb b, double t);

// A region given by a test on continuous coordinates; pixel (x, y) covers
// [x, x + 1) x [y, y + 1).
using Region = std::function<bool(double x, double y)>;
// Colour at a point, for shaded fills.
using Shader = std::function<Rgb(double x, double y)>;

Region RoundRect(double x0, double y0, double x1, double y1, double radius);
Region Circle(double cx, double cy, double radius);
Region Ring(double cx, double cy, double inner, double outer);
// A stroke of the given width between two points, with round ends.
Region Segment(double x0, double y0, double x1, double y1, double width);
Region Triangle(double ax, double ay, double bx, double by, double cx, double cy);

// Vertical gradient between rows y0 (top colour) and y1 (bottom colour).
Shader VerticalGradient(double y0, double y1, Rgb top, Rgb bottom);

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb Get(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Rgb c);
  // Mixes c over the pixel by `alpha` (0..1).
  void Blend(int x, int y, Rgb c, double alpha);

  // Fills the pixels whose samples fall in `region` inside the box
  // [x0, x1) x [y0, y1); partly covered pixels are mixed.
  void Fill(const Region& region, const Shader& colour, int x0, int y0, int x1, int y1);
  void Fill(const Region& region, Rgb colour, int x0, int y0, int x1, int y1);
  // Axis-aligned pixel rectangle, inclusive corners, no smoothing.
  void Rect(int x0, int y0, int x1, int y1, Rgb colour);

  // Copies a w x h block from `source` at (sx, sy) to (dx, dy).
  void Paste(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy);

 private:
  int Index(int x, int y) const { return y * width_ + x; }
  int width_, height_;
  std::vector<Rgb> pixels_;
};

}  // namespace quillor::art
