#include "art/canvas.h"

#include <algorithm>
#include <cmath>

namespace quillor::art {

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](uint8_t p, uint8_t q) { return static_cast<uint8_t>(std::lround(p + (q - p) * t)); };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Region RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double cx = std::clamp(x, x0 + radius, x1 - radius);
    const double cy = std::clamp(y, y0 + radius, y1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Region Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Region Ring(double cx, double cy, double inner, double outer) {
  return [=](double x, double y) {
    const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d <= outer * outer && d >= inner * inner;
  };
}

Region Segment(double x0, double y0, double x1, double y1, double width) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double px = x0 + t * dx - x, py = y0 + t * dy - y;
    return px * px + py * py <= width * width / 4;
  };
}

Region Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
  return [=](double x, double y) {
    auto side = [&](double px, double py, double qx, double qy) {
      return (qx - px) * (y - py) - (qy - py) * (x - px);
    };
    const double s1 = side(ax, ay, bx, by), s2 = side(bx, by, cx, cy), s3 = side(cx, cy, ax, ay);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  };
}

Shader VerticalGradient(double y0, double y1, Rgb top, Rgb bottom) {
  return [=](double, double y) { return Mix(top, bottom, (y - y0) / (y1 - y0)); };
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = c;
}

void Canvas::Blend(int x, int y, Rgb c, double alpha) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_)
    pixels_[Index(x, y)] = Mix(pixels_[Index(x, y)], c, alpha);
}

void Canvas::Fill(const Region& region, const Shader& colour, int x0, int y0, int x1, int y1) {
  constexpr int kSamples = 4;
  x0 = std::max(x0, 0), y0 = std::max(y0, 0);
  x1 = std::min(x1, width_), y1 = std::min(y1, height_);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          inside += region(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
      if (inside) Blend(x, y, colour(x + 0.5, y + 0.5), inside / double(kSamples * kSamples));
    }
}

void Canvas::Fill(const Region& region, Rgb colour, int x0, int y0, int x1, int y1) {
  Fill(
      region, [colour](double, double) { return colour; }, x0, y0, x1, y1);
}

void Canvas::Rect(int x0, int y0, int x1, int y1, Rgb colour) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) Set(x, y, colour);
}

void Canvas::Paste(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) Set(dx + x, dy + y, source.Get(sx + x, sy + y));
}

}  // namespace quillor::art
