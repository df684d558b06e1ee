// The settings store of the desktop: QSettings under "Emulators"/"Quillor",
// the registry key Software\Emulators\Quillor on Windows and an INI file
// (~/.config/Emulators/Quillor.conf) elsewhere. QSettings writes the file
// whole and replaces the old one, so an interrupted exit leaves no half file.
#pragma once

#include <QSettings>
#include <QString>

#include "frontend/settings_store.h"

namespace quillor {

class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore() : settings_("Emulators", "Quillor") {}
  // An INI file of the caller's choice (tests).
  explicit QtSettingsStore(const QString& iniFile) : settings_(iniFile, QSettings::IniFormat) {}

  std::optional<std::string> Read(std::string_view section, std::string_view name) const override;
  void Write(std::string_view section, std::string_view name, std::string_view value) override;
  // Writes what is pending; false when the store could not be written.
  bool Sync();
  QString FileName() const { return settings_.fileName(); }

 private:
  static QString Key(std::string_view section, std::string_view name);
  QSettings settings_;
};

}  // namespace quillor
