// Build-time tool: compiles text-picture fonts into the layouts the machine
// and the debugger read.
//
//   quillor-font-compiler chrgen SIZE OUT SOURCE...
//     12 x 6 glyphs into 16 bytes per code (rows 12-15 zero, pixels in bits
//     7-2). SIZE 2048 holds codes 0x00-0x7F; SIZE 4096 adds the block
//     graphics 0x80-0xFF, which follow from the code alone.
//   quillor-font-compiler fixedsys OUT SOURCE
//     8 x 8 glyphs for 0x20-0x5F, 64 bytes each, one byte (0 or 1) per pixel.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "block_graphics.h"
#include "font_source.h"

namespace {

using quillor::tools::GlyphSet;

bool ReadAll(const std::vector<std::string>& paths, const quillor::tools::FontShape& shape,
             GlyphSet& glyphs) {
  for (const auto& path : paths) {
    std::string error;
    if (!quillor::tools::ReadFontSource(path, shape, glyphs, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return false;
    }
  }
  return true;
}

bool RequireCodes(const GlyphSet& glyphs, int first, int last) {
  for (int code = first; code <= last; ++code)
    if (!glyphs.count(code)) {
      std::fprintf(stderr, "quillor-font-compiler: no glyph for code 0x%02X\n", code);
      return false;
    }
  return true;
}

std::vector<unsigned char> CompileCharacterGenerator(const GlyphSet& glyphs, int size) {
  std::vector<unsigned char> out(size, 0);
  for (int code = 0; code < 0x80; ++code) {
    const auto& glyph = glyphs.at(code);
    for (int row = 0; row < 12; ++row) {
      unsigned char bits = 0;
      for (int x = 0; x < 6; ++x)
        if (glyph.rows[row][x]) bits |= 0x80 >> x;
      out[16 * code + row] = bits;
    }
  }
  for (int code = 0x80; code < size / 16; ++code)
    for (int row = 0; row < 16; ++row) out[16 * code + row] = quillor::tools::BlockGraphicsRow(code, row);
  return out;
}

std::vector<unsigned char> CompileDebuggerFont(const GlyphSet& glyphs) {
  std::vector<unsigned char> out;
  for (int code = 0x20; code < 0x60; ++code)
    for (const auto& row : glyphs.at(code).rows)
      for (bool lit : row) out.push_back(lit ? 1 : 0);
  return out;
}

bool Write(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::fprintf(stderr, "quillor-font-compiler: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

int Usage() {
  std::fprintf(stderr,
               "usage: quillor-font-compiler chrgen 2048|4096 OUT SOURCE...\n"
               "       quillor-font-compiler fixedsys OUT SOURCE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 4 && args[0] == "chrgen") {
    const int size = args[1] == "4096" ? 4096 : args[1] == "2048" ? 2048 : 0;
    if (!size) return Usage();
    GlyphSet glyphs;
    if (!ReadAll({args.begin() + 3, args.end()}, {6, 12}, glyphs) || !RequireCodes(glyphs, 0, 0x7F)) return 1;
    return Write(args[2], CompileCharacterGenerator(glyphs, size)) ? 0 : 1;
  }
  if (args.size() == 3 && args[0] == "fixedsys") {
    GlyphSet glyphs;
    if (!ReadAll({args[2]}, {8, 8}, glyphs) || !RequireCodes(glyphs, 0x20, 0x5F)) return 1;
    return Write(args[1], CompileDebuggerFont(glyphs)) ? 0 : 1;
  }
  return Usage();
}
