#pragma once

namespace quillor {

// The main window's caption and the About box line.
extern const char kProgramTitle[];

}  // namespace quillor
