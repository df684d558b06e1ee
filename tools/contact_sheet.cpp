// Review aid: one picture of everything the program carries to look at:
// the pictures at their own size, the character generators and the
// debugger font as enlarged glyph grids, and the disk sounds as waveforms.
//
//   quillor-contact-sheet OUT.bmp
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "art/canvas.h"
#include "art/picture_files.h"
#include "display/bitmap_picture.h"
#include "display/jpeg_decoder.h"
#include "resources/embedded_resources.h"

namespace {

using namespace quillor;
using art::Canvas;
using art::Hex;
using art::Rgb;

constexpr int kSheetWidth = 1300, kSheetHeight = 1390, kMargin = 12;
constexpr Rgb kBackground = Hex(0x183060), kLabel = Hex(0xE0E8F8);

// Places items left to right, wrapping to a new line when full.
class Flow {
 public:
  // Top-left corner for an item of this size.
  std::pair<int, int> Place(int w, int h) {
    if (x_ + w > kSheetWidth - kMargin && x_ > kMargin)
      x_ = kMargin, y_ += lineHeight_ + kMargin, lineHeight_ = 0;
    const auto at = std::make_pair(x_, y_);
    x_ += w + kMargin;
    lineHeight_ = std::max(lineHeight_, h);
    return at;
  }

 private:
  int x_ = kMargin, y_ = kMargin, lineHeight_ = 0;
};

// Labels in the debugger font, which covers upper case, digits and signs.
void Label(Canvas& c, int x, int y, std::string_view text) {
  const auto font = FindEmbeddedResource("FIXEDSYS");
  if (font.size() < 4096) return;
  for (char ch : text) {
    const int code = std::clamp(ch >= 'a' && ch <= 'z' ? ch - 32 : ch, 0x20, 0x5F);
    for (int row = 0; row < 8; ++row)
      for (int col = 0; col < 8; ++col)
        if (font[64 * (code - 0x20) + 8 * row + col]) c.Set(x + col, y + row, kLabel);
    x += 8;
  }
}

void DrawBitmap(Canvas& c, Flow& flow, std::string_view name) {
  const std::optional<BitmapPicture> p = DecodeBitmap(FindEmbeddedResource(name));
  if (!p || p->bits != 24) return;
  auto [x, y] = flow.Place(std::max(p->width, 8 * int(name.size()) + 16), p->height + 12);
  Label(c, x, y, "\"" + std::string(name) + "\"");
  for (int j = 0; j < p->height; ++j)
    for (int i = 0; i < p->width; ++i) {
      const uint8_t* px = p->pixels.data() + 3 * (static_cast<size_t>(j) * p->width + i);
      c.Set(x + i, y + 12 + j, {px[2], px[1], px[0]});
    }
}

void DrawJpeg(Canvas& c, Flow& flow, std::string_view name) {
  const auto jpeg = DecodeJpeg(FindEmbeddedResource(name));
  if (!jpeg || jpeg->components != 3) return;
  auto [x, y] = flow.Place(jpeg->width, jpeg->height + 12);
  Label(c, x, y, "\"" + std::string(name) + "\"");
  for (int j = 0; j < jpeg->height; ++j)
    for (int i = 0; i < jpeg->width; ++i) {
      const uint8_t* px = jpeg->pixels.data() + 3 * (static_cast<size_t>(j) * jpeg->width + i);
      c.Set(x + i, y + 12 + j, {px[0], px[1], px[2]});
    }
}

// Sixteen glyphs a line, each cell 6 x 12 pixels drawn twice the size, in
// the monitor's green on black.
void DrawGenerator(Canvas& c, Flow& flow, std::string_view name) {
  const auto g = FindEmbeddedResource(name);
  const int codes = static_cast<int>(g.size() / 16);
  constexpr int kScale = 2, kCellW = 8 * kScale, kCellH = 14 * kScale;
  auto [x, y] = flow.Place(16 * kCellW, codes / 16 * kCellH + 12);
  Label(c, x, y, "\"" + std::string(name) + "\"");
  c.Rect(x, y + 12, x + 16 * kCellW - 1, y + 12 + codes / 16 * kCellH - 1, Hex(0x000000));
  for (int code = 0; code < codes; ++code)
    for (int row = 0; row < 12; ++row)
      for (int col = 0; col < 8; ++col)
        if ((g[16 * code + row] >> (7 - col)) & 1)
          c.Rect(x + (code % 16) * kCellW + kScale * col, y + 12 + (code / 16) * kCellH + kScale * (row + 1),
                 x + (code % 16) * kCellW + kScale * col + kScale - 1,
                 y + 12 + (code / 16) * kCellH + kScale * (row + 1) + kScale - 1, Hex(0x60FF80));
}

void DrawDebuggerFont(Canvas& c, Flow& flow) {
  const auto font = FindEmbeddedResource("FIXEDSYS");
  constexpr int kScale = 2, kCell = 10 * kScale;
  auto [x, y] = flow.Place(16 * kCell, 4 * kCell + 12);
  Label(c, x, y, "\"FIXEDSYS\"");
  c.Rect(x, y + 12, x + 16 * kCell - 1, y + 12 + 4 * kCell - 1, Hex(0x102040));
  for (size_t i = 0; i < font.size(); ++i) {
    const int glyph = static_cast<int>(i / 64), row = static_cast<int>(i % 64 / 8),
              col = static_cast<int>(i % 8);
    if (font[i])
      c.Rect(x + (glyph % 16) * kCell + kScale * (col + 1),
             y + 12 + (glyph / 16) * kCell + kScale * (row + 1),
             x + (glyph % 16) * kCell + kScale * (col + 1) + kScale - 1,
             y + 12 + (glyph / 16) * kCell + kScale * (row + 1) + kScale - 1, Hex(0xFFFFFF));
  }
}

// Min and max of each group of samples, a column per group.
void DrawWave(Canvas& c, Flow& flow, std::string_view label, std::span<const uint8_t> samples, int width) {
  constexpr int kHeight = 128;
  auto [x, y] = flow.Place(width, kHeight + 12);
  Label(c, x, y, label);
  c.Rect(x, y + 12, x + width - 1, y + 12 + kHeight - 1, Hex(0x0A1020));
  c.Rect(x, y + 12 + kHeight / 2, x + width - 1, y + 12 + kHeight / 2, Hex(0x304060));
  for (int col = 0; col < width && !samples.empty(); ++col) {
    const size_t a = samples.size() * col / width, b = std::max(a + 1, samples.size() * (col + 1) / width);
    const auto [lo, hi] = std::minmax_element(samples.begin() + a, samples.begin() + b);
    c.Rect(x + col, y + 12 + (255 - *hi) / 2, x + col, y + 12 + (255 - *lo) / 2, Hex(0x80C0FF));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillor-contact-sheet OUT.bmp\n");
    return 2;
  }
  Canvas sheet(kSheetWidth, kSheetHeight, kBackground);
  Flow flow;
  DrawJpeg(sheet, flow, "BEZEL");
  DrawBitmap(sheet, flow, "KBDHELP");
  for (const char* name : {"2", "3", "4", "5", "BARBRIGHT", "BARCONTRAST", "BARCOLOR"})
    DrawBitmap(sheet, flow, name);
  for (const char* name : {"CHRGENS1", "CHRGENS2", "CHRGENS3"}) DrawGenerator(sheet, flow, name);
  DrawDebuggerFont(sheet, flow);
  const auto sound = FindEmbeddedResource("DSKSND");
  if (sound.size() > 16128) {
    DrawWave(sheet, flow, "DSKSND MOTOR LOOP", sound.first(16128), 800);
    DrawWave(sheet, flow, "DSKSND HEAD STEP", sound.subspan(16128), 400);
  }
  if (!art::WriteBitmapFile(argv[1], sheet)) {
    std::fprintf(stderr, "quillor-contact-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
