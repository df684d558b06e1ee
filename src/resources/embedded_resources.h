// The data the program carries (ROM images, character generators, fonts,
// pictures, sounds), compiled in at build time and found by resource name.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quillor {

struct EmbeddedResource {
  std::string_view name;
  std::span<const uint8_t> bytes;
};

// Every resource compiled into this build, in name order.
std::span<const EmbeddedResource> EmbeddedResources();

// The bytes of the resource with this name, or an empty span if this build
// carries no such resource.
std::span<const uint8_t> FindEmbeddedResource(std::string_view name);

}  // namespace quillor
