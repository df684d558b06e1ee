// The commands that change the program at the prompt: DELETE, AUTO and the
// line editor.
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

// A number past 65535 is a syntax error wherever a line number is read:
// taken modulo 65536 it would name another line (70010 is 4474). A line
// typed from 65530 on is refused too: 65535 stands for a direct statement.
TEST_F(Basic, LineNumbersPast65529AreRefused) {
  Run("NEW\n4474 A=1\n4464 B=2\nCLS\n70010 C=3\n600000 D=4\nGOTO 70010\n");
  EXPECT_EQ(Shown(m.Screen()),
            "READY\n>70010 C=3\n?SN ERROR\nREADY\n>600000 D=4\n?SN ERROR\nREADY\n>GOTO 70010\n?SN ERROR\n"
            "READY\n>");
  Run("CLS\nLIST 69946\n65535 E=5\n65530 E=5\n");
  EXPECT_EQ(Shown(m.Screen()),
            "READY\n>LIST 69946\n?SN ERROR\nREADY\n>65535 E=5\n?SN ERROR\nREADY\n>65530 E=5\n?SN ERROR\n"
            "READY\n>");
  Run("CLS\n65529 E=6\nLIST\n");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>65529 E=6\n>LIST\n4464 B=2\n4474 A=1\n65529 E=6\nREADY\n>");
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

// AUTO may not store past 65529 either: a line it offered there is ?SN as
// a typed one is (stored, line 65535 would run as a direct statement: INPUT
// in it is ?ID, its errors name no line).
TEST_F(Basic, AutoRefusesToStorePastTheLastLineNumber) {
  Run("NEW\nCLS\nAUTO 65535\nINPUT A\n");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>AUTO 65535\n65535 INPUT A\n?SN ERROR\nREADY\n>");
  Run("AUTO 65530\nB=1\n");
  Run("LIST\n");
  EXPECT_EQ(Listing(m.Screen()), "READY\n>");
}

// The line editor: each case edits the same line with one-key commands and
// shows the screen line they leave and the line stored.
const std::string kLine = "10 PRINT \"HELLO WORLD\":A=1";
constexpr char kEscape = 0x1B;  // SHIFT + up arrow
constexpr char kLeft = 0x08;

struct EditCase {
  std::string keys;
  std::string shown;
  std::string stored;
};

TEST_F(Basic, EditCommandsChangeTheLine) {
  const EditCase cases[] = {
      {"\n", kLine, kLine},
      {"X:B=2\n", kLine + ":B=2", kLine + ":B=2"},
      {"6 H7\n", "10 PRINT 7", "10 PRINT 7"},
      {"SH5DIBYE" + std::string(1, kEscape) + "\n", "10 PRINT \"!HELLO!BYE WORLD\":A=1",
       "10 PRINT \"BYE WORLD\":A=1"},
      {"7 5CHOWDYE", "10 PRINT \"HOWDY", "10 PRINT \"HOWDY WORLD\":A=1"},
      {"K:E", "10 !PRINT \"HELLO WORLD\"!", "10 :A=1"},
      {"2SLD\n", "10 PRINT \"HEL!L!O WORLD\":A=1", "10 PRINT \"HELO WORLD\":A=1"},
      {"7 " + std::string(2, kLeft) + "D\n", "10 PRINT! !\"HELLO WORLD\":A=1", "10 PRINT\"HELLO WORLD\":A=1"},
      {"IXY" + std::string(1, kLeft) + "Z" + kEscape + "E", "10 XZ", "10 XZPRINT \"HELLO WORLD\":A=1"},
      {"3DQ", "10 !PRI!", kLine},
      {"3DAE", "10 !PRI!\n10", kLine},
      {"99 2K1\n", kLine, kLine},
  };
  for (const EditCase& c : cases) {
    Run("NEW\n" + kLine + "\nCLS\nEDIT 10\n" + c.keys);
    const std::string screen = m.Screen();
    EXPECT_NE(screen.find(">EDIT 10\n" + c.shown + "\n"), std::string::npos) << c.keys << "\n" << screen;
    Run("CLS\nLIST\n");
    EXPECT_EQ(Listing(m.Screen()), c.stored + "\nREADY\n>") << c.keys;
  }
}

// L shows the rest and starts again at the line's beginning; A forgets the
// changes and starts again from the stored line.
TEST_F(Basic, EditListsAndStartsAgain) {
  Run("NEW\n" + kLine + "\nCLS\nEDIT 10\n6 L3DA2 Q");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>EDIT 10\n" + kLine + "\n10 !PRI!\n10 PR\n>");
  Run("CLS\nEDIT 5\n");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>EDIT 5\n?UL ERROR\nREADY\n>");
}

// The buffer holds 239 characters: a line that spells out longer is refused
// whole (nothing of it could be stored back cut short), and insertion stops
// at the limit.
TEST_F(Basic, EditKeepsToTheBuffer) {
  std::string questions = "10 ";
  for (int i = 0; i < 60; ++i) questions += "?:";
  Run("NEW\n" + questions + "\nCLS\nEDIT 10\n");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>EDIT 10\n?LS ERROR\nREADY\n>");

  const std::string remark = "10 REM" + std::string(230, 'A');
  Run("NEW\n" + remark + "\nCLS\nEDIT 10\nXBBBBBBBBBB\n");
  // "REM" and 230 letters spell out as 233 characters: 6 of the 10 fit; the
  // stored text is the REM token and 236 letters.
  Run("CLS\nPRINT PEEK(17129)+256*PEEK(17130)-17129-5\n");
  EXPECT_NE(m.Screen().find("\n 237\n"), std::string::npos) << m.Screen();
}

// A syntax error in a running program puts its line into the editor.
TEST_F(Basic, SyntaxErrorInAProgramEntersTheEditor) {
  Run("NEW\n10 PRINT 1\n20 X=)\nCLS\nRUN\n");
  EXPECT_NE(m.Screen().find("READY\n>RUN\n 1\n?SN ERROR IN 20\nREADY\n20 +\n"), std::string::npos)
      << m.Screen();
  Run("HX=5\n");
  Run("CLS\nRUN\n");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>RUN\n 1\nREADY\n>");
  // Not in a direct statement.
  Run("CLS\nX=)\n");
  EXPECT_EQ(Shown(m.Screen()), "READY\n>X=)\n?SN ERROR\nREADY\n>");
}

}  // namespace
}  // namespace quillor::test
