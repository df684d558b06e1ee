// The printer's runner options: where the paper goes and the line width.
#include "cli/option_table.h"
#include "frontend/user_commands.h"

namespace quillor::cli {

void AddPrinterOptions(OptionTable& table) {
  table.Add({"--printer", "FILE",
             "when the run ends, write the printed lines (completed lines only, CR LF) to FILE", Phase::Setup,
             nullptr, [](RunContext& ctx, std::string_view file) {
               ctx.printerFile = std::string(file);
               return true;
             }});
  table.Add({"--print-width", "80|132", "the printer's line width from here on (80 at start)", Phase::Action,
             [](std::string_view w) -> std::optional<std::string> {
               if (w == "80" || w == "132") return std::nullopt;
               return "--print-width needs 80 or 132, not '" + std::string(w) + "'";
             },
             [](RunContext& ctx, std::string_view w) {
               ctx.commands.SetPrinterWidth(w == "80" ? 80 : 132);
               return true;
             }});
}

}  // namespace quillor::cli
