// The runner's sound options: recording the machine's sound to a WAV file
// and switching sample production like the desktop's "&Sound" item.
#include <string>

#include "cli/option_table.h"
#include "cli/wav_recorder.h"
#include "frontend/user_commands.h"

namespace quillor::cli {
namespace {

std::optional<std::string> CheckOnOff(std::string_view text) {
  if (text == "on" || text == "off") return std::nullopt;
  return "--sound needs on or off, not '" + std::string(text) + "'";
}

bool StartWav(RunContext& ctx, std::string_view path) {
  const std::string name(path);
  // Samples already in the buffer being filled were made before this step.
  if (ctx.wav->StartFile(name, ctx.emulator.sound.PendingSamples().size())) return true;
  ctx.err << "quillor-cli: --wav: cannot write " << name << "\n";
  return false;
}

}  // namespace

void AddSoundOptions(OptionTable& table) {
  table.Add({"--wav", "FILE",
             "from here on, write the machine's sound to FILE as a WAV file (mono, 8 bits, "
             "22050 samples a second); finished when the run ends",
             Phase::Action, nullptr, StartWav});
  table.Add({"--sound", "off|on",
             "stop or resume making sound samples, as the desktop's Sound item (on at start)", Phase::Action,
             CheckOnOff, [](RunContext& ctx, std::string_view onOff) {
               ctx.commands.SetSound(onOff == "on");
               return true;
             }});
}

}  // namespace quillor::cli
