#include "art/text.h"

namespace quillor::art {

bool LoadLegendFont(const std::string& path, PixelFont& font, std::string& error) {
  font = PixelFont{};
  font.firstRow = 1;
  font.rows = 9;
  font.spacing = 0;
  font.trimRight = true;
  return tools::ReadFontSource(path, {6, 12}, font.glyphs, error);
}

bool LoadSmallFont(const std::string& path, PixelFont& font, std::string& error) {
  font = PixelFont{};
  font.rows = 5;
  return tools::ReadFontSource(path, {0, 5}, font.glyphs, error);
}

std::string ExpandNames(std::string_view text) {
  static constexpr struct {
    std::string_view name;
    char code;
  } kNames[] = {{"{up}", 0x5B}, {"{down}", 0x5C}, {"{left}", 0x5D}, {"{right}", 0x5E}};
  std::string out;
  for (size_t i = 0; i < text.size();) {
    bool named = false;
    for (const auto& n : kNames)
      if (text.substr(i, n.name.size()) == n.name) {
        out += n.code;
        i += n.name.size();
        named = true;
        break;
      }
    if (!named) out += text[i++];
  }
  return out;
}

namespace {

const tools::Glyph* Find(const PixelFont& font, char c) {
  auto it = font.glyphs.find(static_cast<unsigned char>(c));
  return it == font.glyphs.end() ? nullptr : &it->second;
}

}  // namespace

int TextWidth(const PixelFont& font, std::string_view text, int scale) {
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const tools::Glyph* g = Find(font, text[i]);
    if (!g) continue;
    width += g->width + (i + 1 < text.size() ? font.spacing : 0);
  }
  if (font.trimRight && width > 0) --width;
  return width * scale;
}

void DrawText(Canvas& canvas, const PixelFont& font, std::string_view text, int x, int y, Rgb colour,
              int scale) {
  for (char c : text) {
    const tools::Glyph* g = Find(font, c);
    if (!g) continue;
    for (int row = 0; row < font.rows; ++row)
      for (int col = 0; col < g->width; ++col)
        if (g->rows[font.firstRow + row][col])
          for (int sy = 0; sy < scale; ++sy)
            for (int sx = 0; sx < scale; ++sx) canvas.Set(x + scale * col + sx, y + scale * row + sy, colour);
    x += scale * (g->width + font.spacing);
  }
}

}  // namespace quillor::art
