// Finds the ROM and character generator images by their resource names. The
// built-in images come with the program; a user who owns dumps of the real
// chips can name a folder whose files replace built-in images of the same name.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

class RomRegistry {
 public:
  // The size every image of this name must have, or nullopt for names that
  // are not ROM or character generator images.
  static std::optional<size_t> ExpectedSize(std::string_view name);

  // The user's image if one was loaded, else the built-in one; empty when
  // neither exists.
  std::span<const uint8_t> Find(std::string_view name) const;

  // Reads every file of `folder` whose name (without extension, any letter
  // case) is an image name. Returns one message per problem: a folder that
  // cannot be read, or a file of the wrong size (which is refused). Images
  // that pass replace earlier ones of the same name.
  std::vector<std::string> LoadUserFolder(const std::string& folder);

  bool HasUserImage(std::string_view name) const { return user_.count(std::string(name)) != 0; }
  // Back to the built-in images only.
  void ClearUserImages() { user_.clear(); }
  std::vector<std::string> UserImageNames() const {
    std::vector<std::string> names;
    for (const auto& entry : user_) names.push_back(entry.first);
    return names;
  }

 private:
  std::map<std::string, std::vector<uint8_t>, std::less<>> user_;
};

}  // namespace quillor
