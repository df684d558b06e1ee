// The runner's screenshots, monitor options and resource dumps, checked on
// the files it writes (and with an outside viewer where one is installed).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fakes/process_temp.h"
#include "system/run_cli.h"

namespace quillor::test {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 537;
constexpr int kHeight = 403;
constexpr int kStride = 540;  // rows padded to four bytes
constexpr size_t kPixelOffset = 14 + 40 + 256 * 4;
constexpr size_t kBitmapBytes = kPixelOffset + size_t{kStride} * kHeight;  // 218 698

fs::path TempFile(const std::string& name) {
  const fs::path folder = quillor::testing::ProcessTempFolder("cli_display");
  fs::remove(folder / name);
  return folder / name;
}

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The 8-bit picture of a screenshot; the file is stored bottom-up.
struct Screenshot {
  std::vector<uint8_t> file;
  uint8_t Pixel(int x, int y) const { return file[kPixelOffset + size_t(kHeight - 1 - y) * kStride + x]; }
  // Palette entries 0 and 4 are the background of the two lines of a glyph
  // row; any other entry is a lit level.
  int LitPixels(int x0, int y0, int w, int h) const {
    int lit = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) lit += Pixel(x, y) % 4 != 0;
    return lit;
  }
  // Cell (c, r) of the 64 x 16 text screen.
  int LitPixelsInCell(int c, int r) const { return LitPixels(12 + 8 * c, 9 + 24 * r, 8, 24); }
  std::array<uint8_t, 3> Rgb(int entry) const {
    const size_t at = 14 + 40 + size_t(entry) * 4;
    return {file[at + 2], file[at + 1], file[at]};
  }
};

Screenshot TakeScreenshot(const std::string& args, const std::string& name) {
  const fs::path path = TempFile(name);
  const CliResult r = RunCli(args + " --screenshot " + path.string());
  EXPECT_EQ(r.status, 0) << r.out;
  Screenshot shot{ReadAll(path)};
  EXPECT_EQ(shot.file.size(), kBitmapBytes);
  if (shot.file.size() != kBitmapBytes) shot.file.assign(kBitmapBytes, 0);
  return shot;
}

// What ImageMagick makes of a file: "FORMAT WIDTHxHEIGHT", or empty when
// identify is not installed.
std::string Identify(const fs::path& path) {
  if (RunCommand("command -v identify").status != 0) return "";
  const CliResult r = RunCommand("identify -format '%m %wx%h' " + path.string());
  return r.status == 0 ? r.out : "failed: " + r.out;
}

TEST(CliScreenshot, BitmapAndJpegOpenInAnOutsideViewer) {
  // BMP3: the Windows 3 layout, with the 40-byte information header.
  for (const auto& [name, format] :
       {std::pair{"shot.bmp", "BMP3"}, {"shot.jpg", "JPEG"}, {"SHOT.JPEG", "JPEG"}}) {
    const fs::path path = TempFile(name);
    const CliResult r = RunCli("--frames 50 --screenshot " + path.string());
    ASSERT_EQ(r.status, 0) << r.out;
    ASSERT_TRUE(fs::exists(path)) << name;
    if (std::string(format) == "BMP3") {
      EXPECT_EQ(fs::file_size(path), kBitmapBytes);
    }
    const std::string seen = Identify(path);
    if (seen.empty()) {
      GTEST_SKIP() << "ImageMagick's identify is not installed (scripts/setup installs it)";
    }
    EXPECT_EQ(seen, std::string(format) + " 537x403") << name;
  }
}

TEST(CliScreenshot, ShowsTheStartUpScreenInTheDefaultPalette) {
  const Screenshot shot = TakeScreenshot("--frames 50", "start.bmp");
  std::set<uint8_t> entries(shot.file.begin() + kPixelOffset, shot.file.end());
  EXPECT_GE(entries.size(), 3u);  // more than the two background entries
  EXPECT_GT(shot.LitPixels(12, 9, 512, 384), 100);
  EXPECT_EQ(shot.LitPixels(0, 0, kWidth, 9), 0) << "the border is never lit";
  // Entries 0-3: black and the 128, 192 and 255 greys.
  EXPECT_EQ(shot.Rgb(0), (std::array<uint8_t, 3>{0, 0, 0}));
  EXPECT_EQ(shot.Rgb(1), (std::array<uint8_t, 3>{128, 128, 128}));
  EXPECT_EQ(shot.Rgb(3), (std::array<uint8_t, 3>{255, 255, 255}));
}

// 'H', a blank and the all-lit block graphics code; the picture must show
// exactly those cells.
std::string TopLineRom() {
  static constexpr uint8_t kCodes[] = {'H', ' ', 0xBF};
  return TopLineRomFolder("cli_display_rom", kCodes);
}

TEST(CliScreenshot, PictureHoldsTheCellsTheProgramWrote) {
  const Screenshot shot = TakeScreenshot("--rom-dir " + TopLineRom() + " --frames 5", "cells.bmp");
  const int letter = shot.LitPixelsInCell(0, 0);
  EXPECT_GT(letter, 0);
  EXPECT_EQ(shot.LitPixelsInCell(1, 0), 0);
  EXPECT_GT(shot.LitPixelsInCell(2, 0), letter);
  // 32-column mode: 'H' now spans the first two cells' width.
  const Screenshot cut = TakeScreenshot("--rom-dir " + TopLineRom() + " --frames 5 --cut", "cut.bmp");
  EXPECT_GT(cut.LitPixelsInCell(1, 0), 0);
}

TEST(CliScreenshot, SkinAndScanLinesChangeThePalette) {
  const Screenshot amber = TakeScreenshot("--skin amber --frames 5", "amber.bmp");
  const auto lit = amber.Rgb(3);
  EXPECT_GT(lit[0], lit[2]) << "amber is redder than it is blue";
  const Screenshot plain = TakeScreenshot("--frames 5", "plain.bmp");
  const Screenshot lines = TakeScreenshot("--scanlines --frames 5", "lines.bmp");
  EXPECT_NE(lines.Rgb(7), plain.Rgb(7)) << "the upper line of a glyph row dims";
  EXPECT_EQ(RunCli("--skin purple").status, 2);
}

TEST(CliScreenshot, ANameWithoutAPictureExtensionBecomesABitmap) {
  const fs::path asked = TempFile("picture.png");
  const fs::path written = TempFile("picture.BMP");
  const CliResult r = RunCli("--frames 1 --screenshot " + asked.string());
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_FALSE(fs::exists(asked));
  EXPECT_EQ(fs::file_size(written), kBitmapBytes);
  EXPECT_NE(r.out.find("picture.BMP"), std::string::npos) << r.out;
}

TEST(CliScreenshot, AnUnwritableFileFailsWithAMessage) {
  for (const char* name : {"/nonexistent-folder/shot.bmp", "/nonexistent-folder/shot.jpg"}) {
    const CliResult r = RunCli(std::string("--frames 1 --screenshot ") + name + " --screen");
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_NE(r.out.find("could not be saved"), std::string::npos) << r.out;
    EXPECT_LT(std::count(r.out.begin(), r.out.end(), '\n'), 3) << "--screen must not run: " << r.out;
  }
}

TEST(CliResources, DumpWritesTheResourceByteForByte) {
  const fs::path file = TempFile("chrgens1.bin");
  const CliResult r = RunCli("--list-resources --dump-resource CHRGENS1 " + file.string());
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("CHRGENS1     4096\n"), std::string::npos) << r.out;
  const std::vector<uint8_t> bytes = ReadAll(file);
  ASSERT_EQ(bytes.size(), 4096u);
  // Code 0xBF, the all-lit block: rows 0-11 both nibbles, rows 12-15 zero.
  for (int row = 0; row < 16; ++row) EXPECT_EQ(bytes[0xBF * 16 + row], row < 12 ? 0xFF : 0) << row;
}

TEST(CliResources, UnknownNamesAndUnwritableFilesAreRefused) {
  const CliResult unknown = RunCli("--dump-resource NOSUCH x.bin");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.out.find("--list-resources"), std::string::npos) << unknown.out;
  EXPECT_EQ(RunCli("--dump-resource CHRGENS1").status, 2);
  const CliResult unwritable = RunCli("--dump-resource CHRGENS1 /nonexistent-folder/x.bin");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.out.find("could not write"), std::string::npos) << unwritable.out;
}

}  // namespace
}  // namespace quillor::test
