// The runner's options. Every option is a step of a script that runs in the
// order given; setup steps (such as --rom-dir) run before the machine starts,
// all others after, each at its place. Each room adds its options from its
// own file, so the options of different rooms never collide.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

class Emulator;
class UserCommands;

namespace cli {

inline constexpr int kExitFailure = 1;  // the run went wrong (e.g. --until timed out)
inline constexpr int kExitBadArguments = 2;
inline constexpr int kDefaultTimeoutFrames = 3000;  // 120 s of machine time

class CliDialogs;
class WavRecorder;

// What a step can reach.
struct RunContext {
  Emulator& emulator;
  UserCommands& commands;  // the same commands the desktop window calls
  std::ostream& out;
  std::ostream& err;
  int timeoutFrames = kDefaultTimeoutFrames;
  int startModel = -1;            // the model the machine starts as; -1 for the usual one
  CliDialogs* dialogs = nullptr;  // the runner's answers to the core's dialogs
  WavRecorder* wav = nullptr;     // where --wav sends the machine's sound
  std::string printerFile;        // where the paper goes when the run ends; empty for nowhere
};

enum class Phase { Setup, Action };

struct Option {
  std::string name;      // "--frames"
  std::string argument;  // "N", or empty for an option without one
  std::string help;      // one line
  Phase phase = Phase::Action;
  // Checks the argument before anything runs: an error message, or nothing.
  std::function<std::optional<std::string>(std::string_view)> check;
  // Runs the step; false when it failed (it has said why on ctx.err).
  std::function<bool(RunContext&, std::string_view)> run;
  // How many command-line words the argument takes. The words reach check and
  // run joined by '\0', which no command-line word can contain; SplitWords
  // takes them apart.
  int words = 1;
  // The argument goes on over the following words up to the next option
  // (a word starting with "--"); at least `words` are needed.
  bool moreWords = false;
};

std::vector<std::string_view> SplitWords(std::string_view joined);

class OptionTable {
 public:
  // Two options of one name are a programming error and abort.
  void Add(Option option);
  const Option* Find(std::string_view name) const;
  const std::vector<Option>& Options() const { return options_; }
  void PrintHelp(std::ostream& out) const;

 private:
  std::vector<Option> options_;
};

// One step of the script as given on the command line.
struct Step {
  const Option* option;
  std::string argument;
};

// Parses argv into steps, checking every argument; on error, the message.
struct ParseResult {
  std::vector<Step> steps;
  bool help = false;
  std::string error;
};
ParseResult ParseArguments(const OptionTable& table, const std::vector<std::string>& args);

// Every room's options; defined in option_groups.cpp.
void AddAllOptions(OptionTable& table);

// Argument checks shared by the rooms' option files.
std::optional<std::string> CheckCount(std::string_view option, std::string_view text, long long max,
                                      long long* value = nullptr);

}  // namespace cli
}  // namespace quillor
