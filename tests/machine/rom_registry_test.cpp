#include "machine/rom_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(RomRegistry, AHugeFileIsRefusedBySizeWithoutBeingRead) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address space limit below does not suit AddressSanitizer";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "the address space limit below does not suit AddressSanitizer";
#endif
#endif
  const auto folder = FreshFolder("roms_huge");
  const fs::path huge = folder / "ROM12K.bin";
  WriteFile(huge, 0, 0);
  fs::resize_file(huge, 3ull << 30);             // sparse: no disk space taken
  fs::create_directories(folder / "ROM2K.rom");  // a folder named like an image is passed over
  const std::string expected = "The ROM image " + huge.string() +
                               " has 3221225472 bytes, but ROM12K must have 12288 bytes; it is not used.";
  // In a child limited to 1 GB of address space: reading the file whole
  // would fail there.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{1ul << 30, 1ul << 30};
    setrlimit(RLIMIT_AS, &limit);
    RomRegistry registry;
    const auto problems = registry.LoadUserFolder(folder.string());
    _exit(problems == std::vector<std::string>{expected} && !registry.HasUserImage("ROM12K") ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  fs::remove(huge);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
}

}  // namespace
}  // namespace quillor
