// The runner's tape and program options: inserting and rewinding a tape,
// starting and autostarting program files, text input, where the machine's
// recordings go, and saving memory as a tape image.
#include <array>
#include <filesystem>
#include <ostream>

#include "cli/cli_dialogs.h"
#include "cli/option_table.h"
#include "frontend/save_memory.h"
#include "frontend/typed_text.h"
#include "frontend/user_commands.h"
#include "storage/file_bytes.h"
#include "storage/program_loader.h"

namespace quillor::cli {
namespace {

std::string Text(std::string_view text) { return std::string(text); }

// FROM TO START as TestHex reads them, or the error naming the bad one.
struct SaveRange {
  std::array<uint16_t, 3> addresses{};
  std::string error;
};

SaveRange ReadSaveRange(std::string_view joined) {
  static constexpr std::array<std::string_view, 3> kNames{"FROM", "TO", "START"};
  const auto words = SplitWords(joined);
  SaveRange range;
  for (size_t i = 0; i < kNames.size(); ++i) {
    bool inputError = false;
    const int32_t value = TestHex(words[i], inputError);
    if (inputError) {
      range.error = "--save-memory: " + std::string(kNames[i]) +
                    " must be four hex digits, optionally "
                    "after 0x (such as 4200 or 0x4200), not '" +
                    std::string(words[i]) + "'";
      return range;
    }
    range.addresses[i] = static_cast<uint16_t>(value);
  }
  return range;
}

bool SaveMemory(RunContext& ctx, std::string_view joined) {
  const SaveRange range = ReadSaveRange(joined);
  const std::string chosen(SplitWords(joined)[3]);
  const std::string written =
      ctx.commands.SaveMemory(chosen, range.addresses[0], range.addresses[1], range.addresses[2]);
  if (written.empty()) {
    ctx.err << "quillor-cli: --save-memory: cannot write " << SaveMemoryFileName(chosen) << "\n";
    return false;
  }
  // The image always gets the tape extension; say so when that changed the name.
  if (written != chosen) ctx.err << "quillor-cli: --save-memory: wrote " << written << "\n";
  return true;
}

bool RunFile(RunContext& ctx, std::string_view path) {
  if (ctx.emulator.StartFile(Text(path))) return true;
  ctx.err << "quillor-cli: --run: cannot read " << path << "\n";
  return false;
}

// --text-input hands the file's bytes over as they are, for files with the
// machine's CR line ends; this one takes any text file as the desktop's
// paste takes the clipboard.
bool TypeFile(RunContext& ctx, std::string_view path) {
  const auto bytes = ReadFileBytes(Text(path));
  if (!bytes) {
    ctx.err << "quillor-cli: --type-file: cannot read " << path << "\n";
    return false;
  }
  const std::size_t skipped =
      ctx.commands.TypeText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (skipped > 0) ctx.err << "quillor-cli: --type-file: " << SkippedCharactersMessage(skipped) << "\n";
  return true;
}

}  // namespace

void AddCassetteOptions(OptionTable& table) {
  table.Add({"--cas", "FILE", "insert FILE as the cassette (tape image)", Phase::Action, nullptr,
             [](RunContext& ctx, std::string_view path) {
               return ctx.commands.InsertMedia(kCassetteSlot, Text(path));
             }});
  table.Add({"--rewind", "", "rewind the cassette to its beginning", Phase::Action, nullptr,
             [](RunContext& ctx, std::string_view) {
               ctx.emulator.RewindCassette();
               return true;
             }});
  table.Add({"--run", "FILE",
             "as a file named on the desktop's command line: a machine-code program (.cmd, "
             ".cas) is loaded and started, anything else is inserted as the cassette",
             Phase::Action, nullptr, RunFile});
  table.Add({"--autostart", "FILE",
             "load a program file (.cmd, .cas, .bas) and start it; a BASIC program returns to "
             "the command level, so let the ROM reach READY first",
             Phase::Action, nullptr, [](RunContext& ctx, std::string_view path) {
               return ctx.commands.AutostartFile(Text(path)) != kNotAProgram;
             }});
  table.Add({"--text-input", "FILE",
             "type the text file FILE whenever the ROM waits for a key (CR LF ends a line)", Phase::Action,
             nullptr,
             [](RunContext& ctx, std::string_view path) { return ctx.commands.StartTextInput(Text(path)); }});
  table.Add({"--type-file", "FILE",
             "type the text file FILE whenever the ROM waits for a key, as the desktop's \"Paste text\" "
             "does: CR LF, LF or CR ends a line, a tab is a blank, characters without a key are "
             "skipped and counted",
             Phase::Action, nullptr, TypeFile});
  table.Add({"--record-cas", "FILE",
             "the machine's tape recordings from now on go to FILE, the second to FILE-2, ...; "
             "without it they are not kept",
             Phase::Action, nullptr, [](RunContext& ctx, std::string_view path) {
               ctx.dialogs->SetRecordingName(Text(path));
               return true;
             }});
  table.Add({"--save-memory", "FROM TO START FILE",
             "save memory FROM up to TO (hex) as a machine-code tape image starting at START, "
             "written as FILE with the extension .cas",
             Phase::Action,
             [](std::string_view joined) -> std::optional<std::string> {
               auto range = ReadSaveRange(joined);
               if (!range.error.empty()) return range.error;
               return std::nullopt;
             },
             SaveMemory, 4});
}

}  // namespace quillor::cli
