// The runner's look at the data the program carries: the names and sizes of
// the embedded resources, and one resource written out byte for byte.
#include <iomanip>
#include <iostream>

#include "cli/option_table.h"
#include "display/whole_file.h"
#include "resources/embedded_resources.h"

namespace quillor::cli {
namespace {

// A step takes one argument, so the name and the file come as NAME=FILE;
// resource names never hold an '='.
struct DumpRequest {
  std::string_view name;
  std::string_view file;
};

std::optional<DumpRequest> SplitRequest(std::string_view text) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0 || equals + 1 == text.size()) return std::nullopt;
  return DumpRequest{text.substr(0, equals), text.substr(equals + 1)};
}

std::optional<std::string> CheckDump(std::string_view text) {
  const auto request = SplitRequest(text);
  if (!request) return "--dump-resource needs NAME=FILE, not '" + std::string(text) + "'";
  if (FindEmbeddedResource(request->name).empty()) {
    return "--dump-resource: this build carries no resource named '" + std::string(request->name) +
           "' (--list-resources shows the names)";
  }
  return std::nullopt;
}

bool DumpResource(RunContext& ctx, std::string_view text) {
  const DumpRequest request = *SplitRequest(text);
  const std::filesystem::path file{std::string(request.file)};
  if (WriteWholeFile(file, FindEmbeddedResource(request.name))) return true;
  ctx.err << "quillor-cli: --dump-resource: could not write " << file
          << "; check that the folder exists and that you may write to it\n";
  return false;
}

}  // namespace

void AddResourceOptions(OptionTable& table) {
  table.Add({"--list-resources", "", "print the name and size in bytes of every embedded resource",
             Phase::Action, nullptr, [](RunContext& ctx, std::string_view) {
               for (const auto& r : EmbeddedResources())
                 ctx.out << std::left << std::setw(12) << r.name << " " << r.bytes.size() << "\n";
               return true;
             }});
  table.Add({"--dump-resource", "NAME=FILE",
             "write the embedded resource NAME to FILE, byte for byte", Phase::Action, CheckDump,
             DumpResource});
}

}  // namespace quillor::cli
