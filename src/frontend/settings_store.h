// Where the settings live between runs: named string values in sections
// ("Initialization", "Initialization\Colors", ...). The desktop keeps them
// with QSettings; tests and the runner use the in-memory store below.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillor {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // nullopt when the value was never written.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view name) const = 0;
  virtual void Write(std::string_view section, std::string_view name, std::string_view value) = 0;
};

class MemorySettingsStore final : public SettingsStore {
 public:
  std::optional<std::string> Read(std::string_view section, std::string_view name) const override {
    const auto found = values_.find(Key(section, name));
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void Write(std::string_view section, std::string_view name, std::string_view value) override {
    values_[Key(section, name)] = std::string(value);
    writeOrder_.push_back(Key(section, name));
  }
  const std::vector<std::string>& WriteOrder() const { return writeOrder_; }
  size_t Size() const { return values_.size(); }

  static std::string Key(std::string_view section, std::string_view name) {
    return std::string(section) + "\\" + std::string(name);
  }

 private:
  std::map<std::string, std::string> values_;
  std::vector<std::string> writeOrder_;
};

}  // namespace quillor
