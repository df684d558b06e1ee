// The runner's look at the data the program carries: the names and sizes of
// the embedded resources, and one resource written out byte for byte.
#include <iomanip>
#include <iostream>

#include "cli/option_table.h"
#include "display/whole_file.h"
#include "resources/embedded_resources.h"

namespace quillor::cli {
namespace {

std::optional<std::string> CheckDump(std::string_view joined) {
  const std::string_view name = SplitWords(joined)[0];
  if (FindEmbeddedResource(name).empty()) {
    return "--dump-resource: this build carries no resource named '" + std::string(name) +
           "' (--list-resources shows the names)";
  }
  return std::nullopt;
}

bool DumpResource(RunContext& ctx, std::string_view text) {
  const auto words = SplitWords(text);
  const std::filesystem::path file{std::string(words[1])};
  if (WriteWholeFile(file, FindEmbeddedResource(words[0]))) return true;
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
  Option dump{"--dump-resource", "NAME FILE", "write the embedded resource NAME to FILE, byte for byte",
              Phase::Action,     CheckDump,   DumpResource};
  dump.words = 2;
  table.Add(std::move(dump));
}

}  // namespace quillor::cli
