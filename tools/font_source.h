// Reader of our text-picture font sources (resources/fonts/*.txt).
//
// A source is a list of glyphs, each a header line "0xNN name" followed by
// its rows, one line per pixel row, '#' lit and '.' dark; blank lines and
// lines starting with "# " are comments between glyphs.
// "@copy SRC DST COUNT" repeats COUNT already defined codes from SRC at DST.
// A later file may redefine the codes of an earlier one, which is how a
// variant generator overrides part of a shared design.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace quillor::tools {

struct Glyph {
  int width = 0;
  std::vector<std::vector<bool>> rows;  // rows[y][x], all of `width`
};

using GlyphSet = std::map<int, Glyph>;

struct FontShape {
  int width = 0;   // 0: each glyph may have its own width
  int height = 0;  // rows every glyph must have
};

// Reads `path` into `glyphs` (codes already present are replaced). On a
// malformed source, returns false with "file:line: reason" in `error`.
bool ReadFontSource(const std::string& path, const FontShape& shape, GlyphSet& glyphs, std::string& error);

}  // namespace quillor::tools
