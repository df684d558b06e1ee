// The machine's runner options: model, ROM folder, running, typing, waiting
// for text and printing the screen.
#include <cmath>
#include <iostream>

#include "cli/option_table.h"
#include "cli/screen_text.h"
#include "cli/typing.h"
#include "machine/emulator.h"

namespace quillor::cli {
namespace {

constexpr long long kMaxFrames = 10'000'000;  // about 4.6 days of machine time
constexpr double kFramesPerSecond = 25.0;     // one frame is 40 ms

void RunFrames(Emulator& emulator, long long frames) {
  for (long long i = 0; i < frames; ++i) emulator.Timer1Timer();
}

long long CountOf(std::string_view text) {
  long long n = 0;
  CheckCount("", text, kMaxFrames, &n);
  return n;
}

std::optional<std::string> CheckSeconds(std::string_view text) {
  const std::string s(text);
  char* end = nullptr;
  const double seconds = std::strtod(s.c_str(), &end);
  if (s.empty() || *end != '\0' || !(seconds >= 0) || seconds * kFramesPerSecond > kMaxFrames) {
    return "--seconds needs a number of seconds from 0 to " +
           std::to_string(static_cast<long long>(kMaxFrames / kFramesPerSecond)) + ", not '" + s + "'";
  }
  return std::nullopt;
}

bool RunUntil(RunContext& ctx, std::string_view text) {
  for (int frame = 0; frame <= ctx.timeoutFrames; ++frame) {
    if (ScreenText(ctx.emulator).find(text) != std::string::npos) return true;
    if (frame < ctx.timeoutFrames) ctx.emulator.Timer1Timer();
  }
  ctx.err << "quillor-cli: --until: \"" << text << "\" did not appear on the screen within "
          << ctx.timeoutFrames << " frames (" << ctx.timeoutFrames / kFramesPerSecond
          << " s of machine time; see --timeout-frames). The screen shows:\n"
          << ScreenText(ctx.emulator);
  return false;
}

}  // namespace

void AddMachineOptions(OptionTable& table) {
  table.Add({"--rom-dir", "DIR",
             "use the ROM and character generator images in DIR (files named ROM12K, ROM2K, "
             "CHRGENS1, ... with any extension) instead of the built-in ones",
             Phase::Setup, nullptr, [](RunContext& ctx, std::string_view dir) {
               const auto problems = ctx.emulator.UseRomFolder(std::string(dir));
               for (const auto& problem : problems) ctx.err << "quillor-cli: " << problem << "\n";
               return problems.empty();
             }});
  table.Add({"--model", "N",
             "start as model N: 0/1 Series I 16K/48K, 2/3 Series II 16K/48K, 4 HT-1080Z/64 "
             "(model 1 without it)",
             Phase::Setup, [](std::string_view n) { return CheckCount("--model", n, kModelCount - 1); },
             [](RunContext& ctx, std::string_view n) {
               ctx.startModel = static_cast<int>(CountOf(n));
               return true;
             }});
  table.Add({"--frames", "N", "run N frames of 40 ms of machine time, as fast as the host can", Phase::Action,
             [](std::string_view n) { return CheckCount("--frames", n, kMaxFrames); },
             [](RunContext& ctx, std::string_view n) {
               RunFrames(ctx.emulator, CountOf(n));
               return true;
             }});
  table.Add({"--seconds", "S", "run S seconds of machine time (25 frames a second)", Phase::Action,
             CheckSeconds, [](RunContext& ctx, std::string_view s) {
               RunFrames(ctx.emulator, std::llround(std::stod(std::string(s)) * kFramesPerSecond));
               return true;
             }});
  table.Add({"--type", "TEXT",
             "type TEXT on the keyboard, 6 frames a key; \\n is NEW LINE, \\b BREAK, \\c CLEAR, ^ the "
             "up arrow (the power sign); lower case letters are typed with SHIFT",
             Phase::Action,
             [](std::string_view text) -> std::optional<std::string> {
               auto keys = KeysForText(text);
               if (!keys.error.empty()) return keys.error;
               return std::nullopt;
             },
             [](RunContext& ctx, std::string_view text) {
               TypeKeys(ctx.emulator, KeysForText(text).chords);
               return true;
             }});
  table.Add({"--until", "TEXT",
             "run until the screen shows TEXT; fails after the timeout (3000 frames, 120 s of "
             "machine time, unless --timeout-frames changed it)",
             Phase::Action, nullptr, RunUntil});
  table.Add({"--timeout-frames", "N", "the bound of the --until steps that follow", Phase::Action,
             [](std::string_view n) { return CheckCount("--timeout-frames", n, kMaxFrames); },
             [](RunContext& ctx, std::string_view n) {
               ctx.timeoutFrames = static_cast<int>(CountOf(n));
               return true;
             }});
  table.Add({"--screen", "",
             "print the 64 x 16 text screen: ASCII as itself, block graphics ' ' (none lit), "
             "'#' (all lit) or '+', other codes '?'",
             Phase::Action, nullptr, [](RunContext& ctx, std::string_view) {
               ctx.out << ScreenText(ctx.emulator) << std::flush;
               return true;
             }});
}

}  // namespace quillor::cli
