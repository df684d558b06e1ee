// quillor-cli: the emulated machine without a window, driven by a script of
// options. See --help.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_dialogs.h"
#include "cli/option_table.h"
#include "frontend/user_commands.h"
#include "machine/emulator.h"

namespace quillor::cli {
namespace {

int Run(const std::vector<std::string>& args) {
  OptionTable table;
  AddAllOptions(table);
  const ParseResult parsed = ParseArguments(table, args);
  if (!parsed.error.empty()) {
    std::cerr << "quillor-cli: " << parsed.error << "\n";
    return kExitBadArguments;
  }
  if (parsed.help || args.empty()) {
    table.PrintHelp(std::cout);
    return 0;
  }

  CliDialogs dialogs(std::cerr);
  EmulatorHosts hosts;
  hosts.dialogs = &dialogs;
  auto emulator = std::make_unique<Emulator>(hosts);
  UserCommands commands(*emulator);
  RunContext ctx{*emulator, commands, std::cout, std::cerr};
  ctx.dialogs = &dialogs;

  for (const Step& step : parsed.steps) {
    if (step.option->phase == Phase::Setup && !step.option->run(ctx, step.argument)) {
      return kExitBadArguments;
    }
  }
  emulator->FormCreate();
  emulator->FinishStartUp(ctx.startModel < 0 ? kDefaultModel : ctx.startModel);
  emulator->AssumeTimerOnTime();
  for (const Step& step : parsed.steps) {
    if (step.option->phase != Phase::Action) continue;
    // A message the core showed (such as "Unknown image format!") fails the
    // step as surely as the step's own verdict.
    const bool ok = step.option->run(ctx, step.argument);
    if (dialogs.TakeFailure() || !ok) return kExitFailure;
  }
  return 0;
}

}  // namespace
}  // namespace quillor::cli

int main(int argc, char** argv) {
  return quillor::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
