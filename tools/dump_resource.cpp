// Writes one embedded resource to a file, byte for byte, or lists them all.
//
//   quillor-dump-resource NAME FILE
//   quillor-dump-resource --list
#include <cstdio>
#include <fstream>
#include <string>

#include "resources/embedded_resources.h"

int main(int argc, char** argv) {
  using namespace quillor;
  if (argc == 2 && std::string(argv[1]) == "--list") {
    for (const auto& r : EmbeddedResources())
      std::printf("%-12.*s %zu\n", static_cast<int>(r.name.size()), r.name.data(), r.bytes.size());
    return 0;
  }
  if (argc != 3) {
    std::fprintf(stderr, "usage: quillor-dump-resource NAME FILE\n       quillor-dump-resource --list\n");
    return 2;
  }
  const auto bytes = FindEmbeddedResource(argv[1]);
  if (bytes.empty()) {
    std::fprintf(stderr, "quillor-dump-resource: no resource named '%s' (see --list)\n", argv[1]);
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "quillor-dump-resource: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
