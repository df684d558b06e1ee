// quillor-cli: the emulated machine without a window, driven by a script of
// options. See --help.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/option_table.h"
#include "machine/emulator.h"

namespace quillor::cli {
namespace {

// Messages the core would show in a box go to the error stream; file
// choosers answer "cancelled", since nobody is there to choose.
class ConsoleDialogs final : public DialogHost {
 public:
  void ShowMessage(std::string_view text, MessageKind) override {
    std::cerr << "quillor-cli: " << text << "\n";
  }
};

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

  ConsoleDialogs dialogs;
  EmulatorHosts hosts;
  hosts.dialogs = &dialogs;
  auto emulator = std::make_unique<Emulator>(hosts);
  RunContext ctx{*emulator, std::cout, std::cerr};

  for (const Step& step : parsed.steps) {
    if (step.option->phase == Phase::Setup && !step.option->run(ctx, step.argument)) {
      return kExitBadArguments;
    }
  }
  emulator->FormCreate();
  emulator->FinishStartUp(kDefaultModel);
  emulator->AssumeTimerOnTime();
  for (const Step& step : parsed.steps) {
    if (step.option->phase == Phase::Action && !step.option->run(ctx, step.argument)) {
      return kExitFailure;
    }
  }
  return 0;
}

}  // namespace
}  // namespace quillor::cli

int main(int argc, char** argv) {
  return quillor::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
