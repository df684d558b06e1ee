// The runner's disk options: inserting an image into each drive and taking
// a disk out.
#include "cli/option_table.h"
#include "frontend/user_commands.h"

namespace quillor::cli {

void AddDiskOptions(OptionTable& table) {
  for (int drive = 0; drive < kDriveCount; ++drive) {
    const std::string number = std::to_string(drive);
    table.Add({"--disk" + number, "FILE", "insert the disk image FILE (.dsk) into drive " + number,
               Phase::Action, nullptr, [drive](RunContext& ctx, std::string_view path) {
                 return ctx.commands.InsertMedia(drive, std::string(path));
               }});
  }
  table.Add({"--eject", "N", "take the disk out of drive N (0-3)", Phase::Action,
             [](std::string_view n) { return CheckCount("--eject", n, kDriveCount - 1); },
             [](RunContext& ctx, std::string_view n) {
               ctx.commands.LoadImage(n[0] - '0', kMediaRemove);
               return true;
             }});
}

}  // namespace quillor::cli
