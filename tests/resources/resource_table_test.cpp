#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

#include "resources/embedded_resources.h"

namespace quillor {
namespace {

struct Expected {
  std::string_view name;
  std::size_t bytes;
};

// Everything the machine, display and debugger look up by name, with the
// size their layouts fix.
constexpr Expected kCarried[] = {
    {"ROM12K", 12288},
    {"ROM12KS3", 12288},
    {"ROM2K", 2048},
    {"ROM2KS2", 2048},
    {"ROM2KS3", 2048},
    {"CHRGENS1", 4096},
    {"CHRGENS2", 2048},
    {"CHRGENS3", 2048},
    {"FIXEDSYS", 4096},
    {"DSKSND", 17194},
    // Uncompressed 24-bit bitmaps: 54 header bytes and rows padded to 4 bytes.
    {"2", 54 + 300 * 57},
    {"3", 54 + 300 * 57},
    {"4", 54 + 300 * 112},
    {"5", 54 + 492 * 163},
    {"BARBRIGHT", 54 + 300 * 17},
    {"BARCONTRAST", 54 + 300 * 17},
    {"BARCOLOR", 54 + 300 * 17},
    {"KBDHELP", 54 + 1820 * 143},
};

TEST(ResourceTable, CarriesEveryResourceAtItsSize) {
  for (const auto& e : kCarried) {
    SCOPED_TRACE(std::string(e.name));
    EXPECT_EQ(FindEmbeddedResource(e.name).size(), e.bytes);
  }
}

TEST(ResourceTable, IsSortedUniqueAndFindsNothingForUnknownNames) {
  const auto table = EmbeddedResources();
  for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1].name, table[i].name);
  EXPECT_TRUE(FindEmbeddedResource("CHRGENS").empty());
  EXPECT_TRUE(FindEmbeddedResource("").empty());
  EXPECT_TRUE(FindEmbeddedResource("chrgens1").empty());
}

}  // namespace
}  // namespace quillor
