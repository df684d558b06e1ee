// Writing a file in one piece.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace quillor {

// Creates or replaces the file with exactly these bytes. False when it could
// not be created or written completely; the file that was there before is
// then left as it was, and no partly written file remains.
bool WriteWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace quillor
