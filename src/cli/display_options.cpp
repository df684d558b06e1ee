// The display's runner options: screenshots and the monitor's commands.
#include <array>
#include <iostream>

#include "cli/option_table.h"
#include "display/screenshot.h"
#include "frontend/user_commands.h"

namespace quillor::cli {
namespace {

struct SkinName {
  std::string_view name;
  Skin skin;
};
constexpr std::array<SkinName, 5> kSkinNames{{{"solid", Skin::Solid},
                                              {"bw-tv", Skin::BwTv},
                                              {"amber", Skin::Amber},
                                              {"green", Skin::Green},
                                              {"high-contrast", Skin::HighContrast}}};

const SkinName* FindSkin(std::string_view name) {
  for (const auto& s : kSkinNames)
    if (s.name == name) return &s;
  return nullptr;
}

std::optional<std::string> CheckSkin(std::string_view name) {
  if (FindSkin(name)) return std::nullopt;
  std::string known;
  for (const auto& s : kSkinNames) known += (known.empty() ? "" : ", ") + std::string(s.name);
  return "--skin needs one of " + known + ", not '" + std::string(name) + "'";
}

// A name ending in .jpg/.jpeg or .bmp (any case) is used as given; any other
// name becomes a bitmap with its extension replaced by ".BMP", as the save
// dialog does.
bool TakeScreenshot(RunContext& ctx, std::string_view name) {
  std::filesystem::path path{std::string(name)};
  const std::optional<ScreenshotKind> given = ScreenshotKindOf(path);
  const ScreenshotKind kind = given.value_or(ScreenshotKind::Bitmap);
  if (!given) {
    path = ScreenshotFileName(path, kind);
    ctx.err << "quillor-cli: --screenshot: no .jpg, .jpeg or .bmp in the name; writing the bitmap " << path
            << "\n";
  }
  if (const auto failure = ctx.commands.SaveScreenshotAs(path.string(), kind)) {
    ctx.err << "quillor-cli: --screenshot: " << *failure << "\n";
    return false;
  }
  return true;
}

}  // namespace

void AddDisplayOptions(OptionTable& table) {
  table.Add({"--screenshot", "FILE",
             "save the 537 x 403 screen picture as it is now: FILE.jpg or FILE.jpeg a JPEG, "
             "FILE.bmp an 8-bit bitmap (any other name becomes NAME.BMP)",
             Phase::Action, nullptr, TakeScreenshot});
  table.Add({"--skin", "NAME", "set the monitor to solid, bw-tv, amber, green or high-contrast",
             Phase::Action, CheckSkin, [](RunContext& ctx, std::string_view name) {
               ctx.commands.ApplySkin(FindSkin(name)->skin);
               return true;
             }});
  table.Add({"--scanlines", "", "switch the monitor's scan lines on (or off again)", Phase::Action, nullptr,
             [](RunContext& ctx, std::string_view) {
               ctx.commands.ToggleScanLines();
               return true;
             }});
  table.Add({"--cut", "",
             "switch 32-column mode on (or off again); ignored while the pixel "
             "overlay is on",
             Phase::Action, nullptr, [](RunContext& ctx, std::string_view) {
               ctx.commands.Cut();
               return true;
             }});
  table.Add({"--page", "", "show the other half of the 64 columns in 32-column mode", Phase::Action, nullptr,
             [](RunContext& ctx, std::string_view) {
               ctx.commands.Page();
               return true;
             }});
}

}  // namespace quillor::cli
