#include "machine/rom_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quillor {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::path(QUILLOR_TEST_TMP) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void WriteFile(const fs::path& path, size_t size, uint8_t fill) {
  std::ofstream(path, std::ios::binary) << std::string(size, static_cast<char>(fill));
}

TEST(RomRegistry, UserImagesReplaceByNameWithAnyExtensionAndCase) {
  const auto folder = FreshFolder("roms_ok");
  WriteFile(folder / "rom12k.bin", 12288, 0x11);
  WriteFile(folder / "CHRGENS2", 2048, 0x22);
  WriteFile(folder / "README.txt", 10, 0x33);
  RomRegistry registry;
  EXPECT_TRUE(registry.LoadUserFolder(folder.string()).empty());
  ASSERT_EQ(registry.Find("ROM12K").size(), 12288u);
  EXPECT_EQ(registry.Find("ROM12K")[100], 0x11);
  EXPECT_EQ(registry.Find("CHRGENS2")[0], 0x22);
  EXPECT_FALSE(registry.HasUserImage("ROM2K"));
}

TEST(RomRegistry, WrongSizesAreRefusedWithTheirNumbers) {
  const auto folder = FreshFolder("roms_bad");
  WriteFile(folder / "ROM2K.rom", 2047, 0x44);
  RomRegistry registry;
  const auto problems = registry.LoadUserFolder(folder.string());
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("2047"), std::string::npos);
  EXPECT_NE(problems[0].find("2048"), std::string::npos);
  EXPECT_FALSE(registry.HasUserImage("ROM2K"));
}

TEST(RomRegistry, MissingFolderIsReported) {
  RomRegistry registry;
  EXPECT_EQ(registry.LoadUserFolder((fs::path(QUILLOR_TEST_TMP) / "no_such_folder").string()).size(), 1u);
}

}  // namespace
}  // namespace quillor
