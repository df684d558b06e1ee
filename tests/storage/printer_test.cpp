#include "storage/printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/recording_host.h"

namespace quillor {
namespace {

void Print(Printer& p, std::initializer_list<int> bytes) {
  for (int b : bytes) p.PrintCharacter(static_cast<uint8_t>(b));
}

TEST(Printer, TabsAdvanceToMultiplesOfEight) {
  testing::RecordingHost host;
  Printer p(host);
  Print(p, {'A', 'B', 0x09, 'C', 0x0D});
  Print(p, {'1', '2', '3', '4', '5', '6', '7', '8', 0x09, 'X', 0x0D});
  EXPECT_EQ(host.paper, (std::vector<std::string>{"AB      C", "12345678        X"}));
}

TEST(Printer, LinesWrapAtTheWidthAndLineEndsEndLines) {
  testing::RecordingHost host;
  Printer p(host);
  for (int i = 0; i < 81; ++i) p.PrintCharacter('a' + i % 26);
  ASSERT_EQ(p.Paper().size(), 1u);
  EXPECT_EQ(p.Paper()[0].size(), 80u);
  EXPECT_EQ(p.LineBuffer(), "c");
  Print(p, {0x0D, 0x0A, 'Z', 0x0C});
  EXPECT_EQ(p.Paper(), (std::vector<std::string>{p.Paper()[0], "c", "", "Z"}));
  p.SetLineWidth(132);
  for (int i = 0; i < 132; ++i) p.PrintCharacter('x');
  EXPECT_EQ(p.Paper().size(), 4u);
}

TEST(Printer, DeleteErasesThenPrintsItselfAndHighBytesAreSpaces) {
  testing::RecordingHost host;
  Printer p(host);
  Print(p, {'A', 'B', 'C', 0x7F, 0x0D});
  Print(p, {0x80, 'Q', 0xFF, 0x01, 0x1B, 0x0D});
  EXPECT_EQ(host.paper, (std::vector<std::string>{"AB\x7F", " Q "}));
  p.LoadPaper();
  EXPECT_TRUE(p.Paper().empty());
  EXPECT_TRUE(host.paper.empty());
}

TEST(Printer, SaveWritesCrLfLinesAndAddsTheFilterExtension) {
  testing::RecordingHost host;
  Printer p(host);
  Print(p, {'O', 'N', 'E', 0x0D, 'T', 'W', 'O', 0x0D, 'x'});
  const auto folder = std::filesystem::path(QUILLOR_TEST_TMP) / "printer";
  std::filesystem::create_directories(folder);
  host.dialogAnswers.push_back(FileChoice{(folder / "out").string(), 1});
  p.Savetofile1Click(host);
  ASSERT_EQ(host.dialogRequests.size(), 1u);
  EXPECT_EQ(host.dialogRequests[0].title, "Save printer output to file");
  std::ifstream in(folder / "out.prn", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "ONE\r\nTWO\r\n");

  host.dialogAnswers.push_back(FileChoice{(folder / "missing" / "x.txt").string(), 0});
  p.Savetofile1Click(host);
  EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace quillor
