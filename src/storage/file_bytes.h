// Whole-file reads for the small files the machine consumes: tape images,
// program files and text typed in as keys. They are read once, up front, so
// that nothing touches the file system while the processor runs and no parser
// can ever read past the end of its data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillor {

// Far beyond any tape, program or typed text of a 64 KB machine (an hour of
// tape at the machine's rate is a few hundred kilobytes); larger files are
// refused rather than risk exhausting the host's memory.
inline constexpr std::size_t kMaxMediaFileBytes = 64u << 20;

// The bytes of the file, or nothing when it cannot be opened, is not a regular
// file, cannot be read completely or is larger than maxBytes.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path,
                                                  std::size_t maxBytes = kMaxMediaFileBytes);

}  // namespace quillor
