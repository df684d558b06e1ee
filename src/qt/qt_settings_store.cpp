#include "qt/qt_settings_store.h"

namespace quillor {

QString QtSettingsStore::Key(std::string_view section, std::string_view name) {
  QString key = QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size()));
  key.replace('\\', '/');
  return key + '/' + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::optional<std::string> QtSettingsStore::Read(std::string_view section, std::string_view name) const {
  const QString key = Key(section, name);
  if (!settings_.contains(key)) return std::nullopt;
  return settings_.value(key).toString().toStdString();
}

void QtSettingsStore::Write(std::string_view section, std::string_view name, std::string_view value) {
  settings_.setValue(Key(section, name),
                     QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool QtSettingsStore::Sync() {
  settings_.sync();
  return settings_.status() == QSettings::NoError;
}

}  // namespace quillor
