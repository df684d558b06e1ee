// The commands that change the program at the prompt: DELETE and AUTO.
#include <gtest/gtest.h>

#include <string>

#include "system/basic_session.h"

namespace quillor::test {
namespace {

const std::string kFiveLines = "NEW\n10 A=1\n20 B=2\n30 C=3\n40 D=4\n50 E=5\n";

// The screen without the cursor's line at its end.
std::string Shown(const std::string& screen) {
  const size_t cursor = screen.rfind(">+\n");
  return cursor == std::string::npos ? screen : screen.substr(0, cursor + 1);
}

// What the last LIST printed, up to the prompt after it.
std::string Listing(const std::string& screen) {
  const size_t from = screen.rfind(">LIST\n");
  return from == std::string::npos ? screen : Shown(screen.substr(from + 6));
}

TEST_F(Basic, DeleteTakesTheLinesOfItsRange) {
  Run(kFiveLines + "DELETE 20-30\nLIST\n");
  EXPECT_EQ(Listing(m.Screen()), "10 A=1\n40 D=4\n50 E=5\nREADY\n>");
  Run("DELETE -10\nLIST\n");
  EXPECT_EQ(Listing(m.Screen()), "40 D=4\n50 E=5\nREADY\n>");
  Run("DELETE 45-\nLIST\n");
  EXPECT_EQ(Listing(m.Screen()), "40 D=4\nREADY\n>");
  Run(kFiveLines + "DELETE 30\nLIST\n");
  EXPECT_EQ(Listing(m.Screen()), "10 A=1\n20 B=2\n40 D=4\n50 E=5\nREADY\n>");
  // The range ends at its last line even where the next one follows it.
  Run("DELETE 11-40\nLIST\n");
  EXPECT_EQ(Listing(m.Screen()), "10 A=1\n50 E=5\nREADY\n>");
}

// A range without a line in it, and DELETE alone, which would take the
// whole program, are refused and change nothing.
TEST_F(Basic, DeleteRefusesAnEmptyRange) {
  Run(kFiveLines + "CLS\nDELETE 25\nDELETE 31-39\nDELETE 40-20\n");
  EXPECT_EQ(Shown(m.Screen()),
            "READY\n>DELETE 25\n?FC ERROR\nREADY\n>DELETE 31-39\n?FC ERROR\nREADY\n>DELETE 40-20\n"
            "?FC ERROR\nREADY\n>");
  Run("CLS\nDELETE\nLIST\n");
  EXPECT_EQ(Shown(m.Screen()),
            "READY\n>DELETE\n?FC ERROR\nREADY\n>LIST\n10 A=1\n20 B=2\n30 C=3\n40 D=4\n50 E=5\nREADY\n>");
}

// The program's variables go with a change of the program, as they do when
// a line is typed.
TEST_F(Basic, DeleteClearsTheVariables) {
  Run(kFiveLines + "X=7\nDELETE 50\nCLS\nPRINT X\n");
  EXPECT_NE(m.Screen().find(">PRINT X\n 0\n"), std::string::npos) << m.Screen();
}

TEST_F(Basic, AutoNumbersTheLinesTypedUntilBreak) {
  Run(kFiveLines + "CLS\nAUTO 30,5\nPRINT 3\nPRINT 3.5\n\n");
  m.PressKeys("\\b");
  ASSERT_TRUE(m.RunUntilScreenShows("READY\n>"));
  Run("LIST\n");
  // An empty line keeps line 40 as it was.
  EXPECT_EQ(Shown(m.Screen()),
            "READY\n>AUTO 30,5\n30 PRINT 3\n35 PRINT 3.5\n40\n45\nREADY\n>LIST\n"
            "10 A=1\n20 B=2\n30 PRINT 3\n35 PRINT 3.5\n40 D=4\n50 E=5\nREADY\n>");
}

TEST_F(Basic, AutoStartsAtTenAndStopsAtTheLastLineNumber) {
  Run("NEW\nCLS\nAUTO\nA=1\nB=2\n");
  m.PressKeys("\\b");
  ASSERT_TRUE(m.RunUntilScreenShows("READY\n>"));
  EXPECT_EQ(Shown(m.Screen()), "READY\n>AUTO\n10 A=1\n20 B=2\n30\nREADY\n>");
  // No number past 65529: the prompt comes back after 65525.
  Run("NEW\nCLS\nAUTO 65520,5\nA=1\nB=2\nPRINT A\nLIST\n");
  EXPECT_EQ(Shown(m.Screen()),
            "READY\n>AUTO 65520,5\n65520 A=1\n65525 B=2\n>PRINT A\n 0\nREADY\n>LIST\n65520 A=1\n65525 "
            "B=2\nREADY\n>");
  Run("CLS\nAUTO 10,0\n");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>AUTO 10,0\n?FC ERROR\nREADY\n>");
}

}  // namespace
}  // namespace quillor::test
