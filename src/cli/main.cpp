// quillor-cli: the emulated machine without a window, driven by a script of
// options. See --help.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_dialogs.h"
#include "cli/option_table.h"
#include "cli/wav_recorder.h"
#include "frontend/user_commands.h"
#include "machine/emulator.h"

namespace quillor::cli {
namespace {

// The steps of the script after the setup; the exit status.
int RunActions(const ParseResult& parsed, RunContext& ctx, CliDialogs& dialogs) {
  for (const Step& step : parsed.steps) {
    if (step.option->phase != Phase::Action) continue;
    // A message the core showed (such as "Unknown image format!") fails the
    // step as surely as the step's own verdict.
    const bool ok = step.option->run(ctx, step.argument);
    if (dialogs.TakeFailure() || !ok) return kExitFailure;
  }
  return 0;
}

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
  WavRecorder wav;  // outlives the emulator, which hands it samples
  EmulatorHosts hosts;
  hosts.dialogs = &dialogs;
  hosts.wave = &wav;
  auto emulator = std::make_unique<Emulator>(hosts);
  UserCommands commands(*emulator);
  RunContext ctx{*emulator, commands, std::cout, std::cerr};
  ctx.dialogs = &dialogs;
  ctx.wav = &wav;

  for (const Step& step : parsed.steps) {
    if (step.option->phase == Phase::Setup && !step.option->run(ctx, step.argument)) {
      return kExitBadArguments;
    }
  }
  emulator->FormCreate();
  emulator->FinishStartUp(ctx.startModel < 0 ? kDefaultModel : ctx.startModel);
  emulator->AssumeTimerOnTime();
  int status = RunActions(parsed, ctx, dialogs);
  // However the script ended, the sound file gets the last samples and its
  // final header.
  const bool recording = wav.Recording();
  if (!wav.Finish(emulator->sound.PendingSamples()) && recording) {
    std::cerr << "quillor-cli: --wav: writing " << wav.Path() << " failed\n";
    if (status == 0) status = kExitFailure;
  }
  // What was printed is kept even when a step failed.
  if (!ctx.printerFile.empty() && !emulator->printer.SavePaper(ctx.printerFile)) {
    std::cerr << "quillor-cli: --printer: cannot write " << ctx.printerFile << "\n";
    status = kExitFailure;
  }
  return status;
}

}  // namespace
}  // namespace quillor::cli

int main(int argc, char** argv) { return quillor::cli::Run(std::vector<std::string>(argv + 1, argv + argc)); }
