#include "resources/embedded_resources.h"

#include <algorithm>

namespace quillor {

std::span<const uint8_t> FindEmbeddedResource(std::string_view name) {
  const auto table = EmbeddedResources();
  const auto it = std::lower_bound(table.begin(), table.end(), name,
                                   [](const EmbeddedResource& r, std::string_view n) { return r.name < n; });
  if (it == table.end() || it->name != name) return {};
  return it->bytes;
}

}  // namespace quillor
