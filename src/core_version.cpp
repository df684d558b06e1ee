// The one identity string the whole program shares.
#include "core_version.h"

namespace quillor {

const char kProgramTitle[] = "Quillor Video Genie I / HT1080Z Emulator v2.5.5";

}  // namespace quillor
