#include "qt/file_filter.h"

#include <QString>

namespace quillor {
namespace {

// The description without a trailing "(...)" of its own, which would
// otherwise be read by Qt as a second pattern list.
QString PlainDescription(QString description) {
  description = description.trimmed();
  if (description.endsWith(')')) {
    const qsizetype open = description.lastIndexOf('(');
    if (open > 0) description = description.left(open).trimmed();
  }
  return description;
}

QStringList BothCasePatterns(const QString& patterns) {
  QStringList result;
  for (QString pattern : patterns.split(';', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    if (pattern.isEmpty()) continue;
    if (pattern == "*.*") pattern = "*";
    for (const QString& variant : {pattern.toLower(), pattern.toUpper()})
      if (!result.contains(variant)) result.append(variant);
  }
  return result;
}

}  // namespace

QStringList QtFileFilters(std::string_view filter) {
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
  QStringList lines;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = BothCasePatterns(parts[i + 1]);
    if (patterns.isEmpty()) patterns.append("*");
    lines.append(PlainDescription(parts[i]) + " (" + patterns.join(' ') + ")");
  }
  if (lines.isEmpty()) lines.append("All files (*)");
  return lines;
}

}  // namespace quillor
