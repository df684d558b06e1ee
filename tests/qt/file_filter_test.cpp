#include "qt/file_filter.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace quillor {
namespace {

bool Matches(const QString& line, const QString& fileName) {
  const QString patterns = line.mid(line.lastIndexOf('(') + 1).chopped(1);
  for (const QString& pattern : patterns.split(' ')) {
    const auto expression = QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive);
    if (expression.match(fileName).hasMatch()) return true;
  }
  return false;
}

TEST(FileFilter, OneLinePerTypeMatchingBothCases) {
  const QStringList lines = QtFileFilters("JPEG (*.jpg, *.jpeg)|*.JPG; *.JPEG|Bitmap (*.bmp)|*.BMP");
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "JPEG (*.jpg *.JPG *.jpeg *.JPEG)");
  EXPECT_EQ(lines[1], "Bitmap (*.bmp *.BMP)");
  EXPECT_TRUE(Matches(lines[0], "shot.jpeg"));
  EXPECT_TRUE(Matches(lines[0], "SHOT.JPG"));
  EXPECT_FALSE(Matches(lines[0], "shot.bmp"));
}

TEST(FileFilter, PatternsWithoutBlanksAndTheAllFilesPattern) {
  const QStringList program = QtFileFilters("Program files (*.bas, *.cas, *.cmd)|*.BAS;*.CAS;*.CMD");
  ASSERT_EQ(program.size(), 1);
  EXPECT_TRUE(Matches(program[0], "game.cmd"));
  EXPECT_TRUE(Matches(program[0], "GAME.BAS"));
  const QStringList text = QtFileFilters("Text files (*.txt)|*.TXT|All files (*.*)|*.*");
  ASSERT_EQ(text.size(), 2);
  EXPECT_TRUE(Matches(text[1], "README"));
  EXPECT_FALSE(Matches(text[0], "README"));
}

TEST(FileFilter, MalformedFiltersStillOfferEveryFile) {
  EXPECT_EQ(QtFileFilters(""), QStringList{"All files (*)"});
  EXPECT_EQ(QtFileFilters("Disks|"), QStringList{"Disks (*)"});
}

}  // namespace
}  // namespace quillor
