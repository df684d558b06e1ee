// PRINT USING of the built-in BASIC on the whole machine: formats and values
// with the exact text they print. Brackets around the fields show the
// blanks the screen would hide at the end of a line.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "system/basic_session.h"

namespace quillor::test {
namespace {

// A case: what follows PRINT USING, and the line it prints.
using Case = std::pair<std::string, std::string>;

class PrintUsing : public Basic {
 protected:
  // Runs one PRINT USING line per case and compares the whole output.
  void Check(const std::vector<Case>& cases) {
    std::string program, expected;
    int line = 10;
    for (const auto& [args, out] : cases) {
      program += std::to_string(line) + " PRINT USING " + args + "\n";
      expected += out + "\n";
      line += 10;
    }
    EXPECT_EQ(Output(program), expected);
  }
  // The error line a direct statement gives.
  bool Fails(const std::string& statement, const std::string& error) {
    return Run("CLS\n" + statement + "\n").find("?" + error + " ERROR") != std::string::npos;
  }
};

TEST_F(PrintUsing, DigitsRoundHalfAwayFromZero) {
  Check({
      {"\"[##.##]\";1.5", "[ 1.50]"},
      {"\"[##.##]\";-1.5", "[-1.50]"},
      {"\"[##.##]\";2.345", "[ 2.35]"},
      {"\"[##.##]\";-2.345", "[-2.35]"},
      {"\"[###]\";2.5", "[  3]"},
      {"\"[###]\";-2.5", "[ -3]"},
      {"\"[##.##]\";12.3456", "[12.35]"},
      {"\"[####.#]\";1234.56", "[1234.6]"},
      {"\"[##.##]\";.999", "[ 1.00]"},
      {"\"[#.#]\";.04", "[0.0]"},
      {"\"[#.#]\";.05", "[0.1]"},
      {"\"[#.###]\";.0004", "[0.000]"},
  });
}

TEST_F(PrintUsing, ZeroBeforeThePointOnlyWhereItFits) {
  Check({
      {"\"[##.##]\";.5", "[ 0.50]"},
      {"\"[##.##]\";0", "[ 0.00]"},
      {"\"[.##]\";.5", "[.50]"},
      {"\"[.##]\";0", "[.00]"},
      {"\"[#.##]\";-.5", "[-.50]"},
      {"\"[##]\";.2", "[ 0]"},
  });
}

TEST_F(PrintUsing, NumbersTooWideGetAPercentSign) {
  Check({
      {"\"[###]\";12345", "[%12345]"},
      {"\"[##.##]\";99.999", "[%100.00]"},
      {"\"[#]\";-5", "[%-5]"},
      {"\"[##]\";-5", "[-5]"},
      {"\"[**##]\";12345", "[%12345]"},
  });
}

TEST_F(PrintUsing, SinglesShowSevenDigitsDoublesSixteenIntegersAll) {
  Check({
      {"\"[######]\";32767", "[ 32767]"},
      {"\"[######]\";-32768", "[-32768]"},
      {"\"[##########]\";1234567", "[   1234567]"},
      {"\"[##########]\";123456789!", "[ 123456800]"},
      {"\"[#.########]\";1/3", "[0.33333330]"},
      {"\"[#.########]\";1#/3", "[0.33333333]"},
      {"\"[#################]\";12345678901234567#", "[12345678901234570]"},
      {"\"[########################]\";1", "[                       1]"},
  });
}

TEST_F(PrintUsing, CommasEveryThreeDigits) {
  Check({
      {"\"[#,###]\";1234", "[1,234]"},
      {"\"[##,###,###]\";1234567", "[ 1,234,567]"},
      {"\"[###,###]\";999.5", "[  1,000]"},
      {"\"[#,###.##]\";-1234.5", "[%-1,234.50]"},
      {"\"[####,]\";5", "[    5]"},
      {"\"[#,###]\";12", "[   12]"},
  });
}

TEST_F(PrintUsing, AsterisksAndDollarSigns) {
  Check({
      {"\"[**##.##]\";1.5", "[***1.50]"},
      {"\"[**##.##]\";-12.5", "[*-12.50]"},
      {"\"[$$##.##]\";1.5", "[  $1.50]"},
      {"\"[$$##.##]\";-1.5", "[ -$1.50]"},
      {"\"[**$##.##]\";1.5", "[***$1.50]"},
      {"\"[**$#,###.##]\";1234.5", "[**$1,234.50]"},
      {"\"[$$]\";5", "[$5]"},
      {"\"[**]\";5", "[*5]"},
      {"\"[$##.##]\";1.5", "[$ 1.50]"},
      {"\"[*##]\";5", "[* 5]"},
  });
}

TEST_F(PrintUsing, SignsInFrontAndAfter) {
  Check({
      {"\"[+##.##]\";1.5", "[ +1.50]"},
      {"\"[+##.##]\";-1.5", "[ -1.50]"},
      {"\"[+#]\";0", "[+0]"},
      {"\"[##.##+]\";1.5", "[ 1.50+]"},
      {"\"[##.##+]\";-1.5", "[ 1.50-]"},
      {"\"[##.##-]\";1.5", "[ 1.50 ]"},
      {"\"[##.##-]\";-1.5", "[ 1.50-]"},
      {"\"[+##-]\";-1", "[ -1-]"},
  });
}

TEST_F(PrintUsing, ExponentialForm) {
  Check({
      {"\"[##.##^^^^]\";123.456", "[ 1.23E+02]"},
      {"\"[##.##^^^^]\";-123.456", "[-1.23E+02]"},
      {"\"[###.##^^^^]\";123.456", "[ 12.35E+01]"},
      {"\"[+#.##^^^^]\";.000123", "[+1.23E-04]"},
      {"\"[#.##^^^^-]\";-5", "[5.00E+00-]"},
      {"\"[##.##^^^^]\";9.999", "[ 1.00E+01]"},
      {"\"[##.##^^^^]\";0", "[ 0.00E+00]"},
      {"\"[##.##^^^^]\";1.5D20", "[ 1.50E+20]"},
      {"\"[##^^^]\";5", "[ 5^^^]"},
  });
}

// The keyboard types the exponent field's arrows as 5Bh (the up arrow key;
// the host's '[' here); no key gives 5Eh.
TEST_F(PrintUsing, ExponentialFormTypedWithTheUpArrow) {
  Check({
      {"\"##.##[[[[\";123.456", " 1.23E+02"},
      {"\"+#.##[[[[\";.000123", "+1.23E-04"},
  });
}

TEST_F(PrintUsing, StringFields) {
  Check({
      {"\"[!]\";\"ABC\"", "[A]"},
      {"\"[%  %]\";\"ABCDEF\"", "[ABCD]"},
      {"\"[%  %]\";\"AB\"", "[AB  ]"},
      {"\"[% %]\";\"\"", "[   ]"},
      {"\"[!][%%]\";\"XY\";\"UVW\"", "[X][UV]"},
      {"\"[% X]##\";1", "[% X] 1"},
  });
}

TEST_F(PrintUsing, FormatRepeatsAndLiteralTextSurroundsTheFields) {
  Check({
      {"\"[##]\";1;2;3", "[ 1][ 2][ 3]"},
      {"\"##=X=##\";1", " 1=X="},
      {"\"##=X=##\";1,2", " 1=X= 2"},
      {"\"A+B=##.\";3", "A+B= 3."},
      {"\"5.5 $##\";1", "5.5 $ 1"},
      {"\"<#>, \";7;8", "<7>, <8>,"},
  });
}

TEST_F(PrintUsing, FormatFromAnExpressionAndTheLineKeptOpen) {
  EXPECT_EQ(Output("10 F$=\"[#.#]\":PRINT USING F$+\"&\";2*1.25;\n20 PRINT \"Z\"\n"
                   "30 PRINT USING \"[##]\";4,:PRINT \"Y\"\n"
                   "40 IF 1 THEN PRINT USING \"[##]\";5 ELSE PRINT \"N\"\n"),
            "[2.5]&Z\n[ 4]Y\n[ 5]\n");
}

// A string of the list that sets off a collection of string space moves the
// format's text (here 10 bytes up, into the room A$ left): the format must
// be read where it went.
TEST_F(PrintUsing, FormatMovedByACollectionOfStringSpace) {
  EXPECT_EQ(Output("10 CLEAR 50:A$=STRING$(10,\"X\"):F$=\"##\"+\" !\":A$=\"\"\n"
                   "20 PRINT USING F$;1;STRING$(40,\"Y\");2;\"Z\"\n"),
            " 1 Y 2 Z\n");
}

TEST_F(PrintUsing, AtAPlaceOnTheScreenAndOnThePrinter) {
  const std::string screen = Run("CLS\nPRINT @ 200,USING \"<##.#>\";-2.25\n");
  EXPECT_NE(screen.find("\n        <-2.3>\n"), std::string::npos) << screen;
  ASSERT_TRUE(m.Type("LPRINT USING \"[$$#.##]\";3.125\r"));
  EXPECT_EQ(m.host.paper, (std::vector<std::string>{"[ $3.13]"}));
}

TEST_F(PrintUsing, Errors) {
  EXPECT_TRUE(Fails("PRINT USING \"ABC\";1", "FC"));
  EXPECT_TRUE(Fails("PRINT USING \"\";1", "FC"));
  EXPECT_TRUE(Fails("PRINT USING \"#########################\";1", "FC"));
  EXPECT_TRUE(Fails("PRINT USING \"####################.#####\";1", "FC"));
  EXPECT_TRUE(Fails("PRINT USING \"##\";\"A\"", "TM"));
  EXPECT_TRUE(Fails("PRINT USING \"!\";1", "TM"));
  EXPECT_TRUE(Fails("PRINT USING 5;1", "TM"));
  EXPECT_TRUE(Fails("PRINT USING \"##\" 1", "SN"));
  // The machine goes on normally after an error.
  EXPECT_NE(Run("CLS\nPRINT USING \"[##]\";7\n").find("[ 7]"), std::string::npos);
}

}  // namespace
}  // namespace quillor::test
