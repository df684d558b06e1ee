// The reader of our text-picture font sources: what it accepts and how it
// reports a source it cannot use.
#include "font_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quillor::tools {
namespace {

std::string WriteSource(const std::string& name, const std::string& text) {
  std::filesystem::create_directories(QUILLOR_TEST_TMP);
  const std::string path = std::string(QUILLOR_TEST_TMP) + "/" + name;
  std::ofstream(path) << text;
  return path;
}

TEST(FontSource, ReadsGlyphsCopiesAndLaterFilesOverride) {
  GlyphSet glyphs;
  std::string error;
  const auto base =
      WriteSource("base.txt", "# comment\n0x41 A\n#.\n.#\n\n0x42 B\n##\n..\n@copy 0x41 0x01 2\n");
  const auto over = WriteSource("over.txt", "0x42 new B\n..\n##\n");
  ASSERT_TRUE(ReadFontSource(base, {2, 2}, glyphs, error)) << error;
  ASSERT_TRUE(ReadFontSource(over, {2, 2}, glyphs, error)) << error;
  ASSERT_EQ(glyphs.size(), 4u);
  EXPECT_EQ(glyphs[0x41].rows, (std::vector<std::vector<bool>>{{true, false}, {false, true}}));
  EXPECT_EQ(glyphs[0x02].rows, (std::vector<std::vector<bool>>{{true, true}, {false, false}}));
  EXPECT_EQ(glyphs[0x42].rows, (std::vector<std::vector<bool>>{{false, false}, {true, true}}));
}

TEST(FontSource, ProportionalGlyphsKeepTheirOwnWidth) {
  GlyphSet glyphs;
  std::string error;
  const auto path = WriteSource("narrow.txt", "0x49 I\n#\n#\n\n0x4D M\n#.#\n###\n");
  ASSERT_TRUE(ReadFontSource(path, {0, 2}, glyphs, error)) << error;
  EXPECT_EQ(glyphs[0x49].width, 1);
  EXPECT_EQ(glyphs[0x4D].width, 3);
}

TEST(FontSource, NamesFileAndLineOfEveryFault) {
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {
      {"0x41 A\n#.\n#\n", ":3: row width differs"},
      {"0x41 A\n#.\n", ":2: glyph needs 2 rows"},
      {"0x41 A\n#.\n#.\n0x41 again\n..\n..\n", ":4: code 0x41 defined twice"},
      {"0x141 big\n", ":1: expected '0xNN name'"},
      {"A\n", ":1: expected '0xNN name'"},
      {"@copy 0x50 0x00 1\n", "undefined code"},
      {"0x41 A\n###\n###\n", ":2: rows must be 2 pixels wide"},
  };
  for (const auto& c : cases) {
    GlyphSet glyphs;
    std::string error;
    const auto path = WriteSource("bad.txt", c.text);
    EXPECT_FALSE(ReadFontSource(path, {2, 2}, glyphs, error)) << c.text;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  GlyphSet glyphs;
  std::string error;
  EXPECT_FALSE(ReadFontSource(std::string(QUILLOR_TEST_TMP) + "/missing.txt", {2, 2}, glyphs, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace quillor::tools
