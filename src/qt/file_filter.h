// File-type filters arrive in the form "desc|pattern|desc|pattern..." with
// patterns separated by ';' ("*.ASM; *.BAS"). The Qt file dialog wants one
// "desc (pattern pattern)" line per type.
#pragma once

#include <QStringList>
#include <string_view>

namespace quillor {

// One Qt filter line per type. The patterns of each line match the names in
// either letter case, so "*.DSK" also finds "game.dsk" on file systems that
// tell the cases apart; "*.*" becomes "*", which matches every name there.
QStringList QtFileFilters(std::string_view filter);

}  // namespace quillor
