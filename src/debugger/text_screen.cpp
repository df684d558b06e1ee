#include "debugger/text_screen.h"

namespace quillor {

namespace {

constexpr Rgb kWindow{0x18, 0x30, 0x60};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kBlack{0x00, 0x00, 0x00};

struct AttributeColours {
  Rgb background, foreground;
};

constexpr std::array<AttributeColours, kAttributeCount> kAttributes{{
    {kWindow, kWhite},              // plain text
    {kWindow, {0xFF, 0x60, 0x60}},  // PC, set flags, breakpoint at PC
    {kWindow, {0x20, 0xFF, 0x20}},  // changed values, headings
    {kWhite, kWindow},              // cursor; view line that is PC
    {{0x10, 0x80, 0x10}, kWhite},   // line at PC
    {{0x80, 0x20, 0x20}, kWhite},   // line with a breakpoint
    {{0x80, 0x20, 0x80}, kWhite},   // line at PC with a breakpoint
    {{0x20, 0x80, 0x80}, kWhite},   // line at the view address
    {{0xFF, 0x60, 0x60}, kBlack},   // view address with a breakpoint
    {{0xFF, 0x60, 0xFF}, kBlack},   // view address, PC and breakpoint
}};
constexpr Rgb kFrameColour{64, 192, 255};

// The seven frames, in cells: disassembly, registers, flags, disk
// controller, stack, breakpoints, memory dump.
struct FrameCells {
  int x0, y0, x1, y1;
};
constexpr std::array<FrameCells, 7> kFrames{{
    {0, 0, 43, 29},
    {44, 0, 69, 6},
    {44, 7, 69, 9},
    {44, 10, 69, 18},
    {44, 19, 55, 29},
    {56, 19, 69, 29},
    {0, 30, 69, 46},
}};

// A cell's first pixel: cells sit 5 pixels in from the frame edges.
constexpr int CellX(int column) { return 8 * column + 5; }
constexpr int CellY(int row) { return 8 * row + 5; }

}  // namespace

TextScreen::TextScreen(std::span<const uint8_t> font)
    : font_(font), pixels_(static_cast<size_t>(kPictureWidth) * kPictureHeight, 0) {
  for (int k = 0; k < kAttributeCount; ++k) {
    palette_[2 * k] = kAttributes[k].background;
    palette_[2 * k + 1] = kAttributes[k].foreground;
  }
  palette_[kFrameColourIndex] = kFrameColour;
  // The blank grid draws as the cleared background, so only the frames are
  // drawn; a blank drawn on a cell under a frame line would cut it.
  DrawFrames();
}

void TextScreen::SetPixel(int x, int y, uint8_t index) {
  if (x < 0 || y < 0 || x >= kPictureWidth || y >= kPictureHeight) return;
  pixels_[static_cast<size_t>(y) * kPictureWidth + x] = index;
}

void TextScreen::DrawFrame(int x0, int y0, int x1, int y1) {
  const int left = 8 * x0 + 2, right = 8 * x1 + 6;
  const int top = 8 * y0 + 2, bottom = 8 * y1 + 6;
  for (int x = left; x <= right; ++x) {
    SetPixel(x, top, kFrameColourIndex);
    SetPixel(x, bottom, kFrameColourIndex);
  }
  for (int y = top; y <= bottom; ++y) {
    SetPixel(left, y, kFrameColourIndex);
    SetPixel(right, y, kFrameColourIndex);
  }
}

void TextScreen::DrawFrames() {
  for (const auto& f : kFrames) DrawFrame(f.x0, f.y0, f.x1, f.y1);
}

std::string TextScreen::Text(int column, int row, int count) const {
  std::string text;
  for (int c = column; c < column + count && c < kScreenColumns; ++c) text += Character(c, row);
  return text;
}

void TextScreen::Write(int column, int row, std::string_view text, int attribute) {
  if (row < 0 || row >= kScreenRows) return;
  for (const char c : text) {
    if (column >= kScreenColumns) break;
    if (column >= 0) {
      // The font has capitals only: the disassembler's "Illegal" would
      // otherwise show as an I and six blanks.
      const char shown = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
      cells_[Index(column, row)] = Cell{shown, static_cast<uint8_t>(attribute)};
      RedrawCell(column, row);
    }
    ++column;
  }
}

// Text never reaches the frame lines: the views keep to cells clear of them.
void TextScreen::DrawCell(int column, int row, int attribute) {
  const auto code = static_cast<uint8_t>(Character(column, row));
  const bool drawable = code >= kFirstGlyph && code <= kLastGlyph;
  const size_t glyph = static_cast<size_t>(drawable ? code - kFirstGlyph : 0) * kGlyphBytes;
  const int x0 = CellX(column), y0 = CellY(row);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const size_t at = glyph + static_cast<size_t>(8 * y + x);
      const int lit = drawable && at < font_.size() && font_[at] != 0 ? 1 : 0;
      SetPixel(x0 + x, y0 + y, static_cast<uint8_t>(2 * attribute + lit));
    }
  }
}

}  // namespace quillor
