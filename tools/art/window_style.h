// Colours shared by the pictures of the main window, built around its
// background (red 0x18, green 0x30, blue 0x60) so every picture sits in it
// without a visible seam.
#pragma once

#include "art/canvas.h"

namespace quillor::art {

inline constexpr Rgb kWindow = Hex(0x183060);
// The blue-grey housings of the monitor, the drives and the recorder.
inline constexpr Rgb kHousingLight = Hex(0x7A86A0);
inline constexpr Rgb kHousing = Hex(0x5C6884);
inline constexpr Rgb kHousingDark = Hex(0x3C4660);
inline constexpr Rgb kHousingEdge = Hex(0x222A40);
inline constexpr Rgb kHighlight = Hex(0xA8B4CC);
inline constexpr Rgb kRecess = Hex(0x0C101A);
inline constexpr Rgb kLegend = Hex(0xC8D2E6);
inline constexpr Rgb kAccent = Hex(0xFFB838);

// A housing: rounded body with a light upper edge and a dark lower edge.
inline void DrawHousing(Canvas& c, double x0, double y0, double x1, double y1, double radius) {
  const int bx0 = static_cast<int>(x0) - 1, by0 = static_cast<int>(y0) - 1;
  const int bx1 = static_cast<int>(x1) + 2, by1 = static_cast<int>(y1) + 2;
  c.Fill(RoundRect(x0, y0, x1, y1, radius), kHousingEdge, bx0, by0, bx1, by1);
  c.Fill(RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1), kHighlight, bx0, by0, bx1, by1);
  c.Fill(RoundRect(x0 + 1, y0 + 2, x1 - 1, y1 - 1, radius - 1), kHousingDark, bx0, by0, bx1, by1);
  c.Fill(RoundRect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, radius - 2),
         VerticalGradient(y0, y1, kHousingLight, kHousing), bx0, by0, bx1, by1);
}

// A dark opening sunk into a housing: shadow above, light lip below.
inline void DrawRecess(Canvas& c, double x0, double y0, double x1, double y1, double radius, Rgb inside) {
  const int bx0 = static_cast<int>(x0) - 1, by0 = static_cast<int>(y0) - 1;
  const int bx1 = static_cast<int>(x1) + 2, by1 = static_cast<int>(y1) + 2;
  c.Fill(RoundRect(x0, y0, x1, y1 + 1, radius), kHighlight, bx0, by0, bx1, by1);
  c.Fill(RoundRect(x0, y0, x1, y1, radius), kHousingEdge, bx0, by0, bx1, by1);
  c.Fill(RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1), inside, bx0, by0, bx1, by1);
}

}  // namespace quillor::art
