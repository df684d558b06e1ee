// Modal dialogs: message boxes and the file choosers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillor {

enum class MessageKind { Information, Warning, Error };

// What a file chooser returns: the path and which entry of its filter list
// (0 = first) was selected, since some commands choose an extension from it.
struct FileChoice {
  std::string path;
  int filterIndex = 0;
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Any command that reports a failure or information ("Unknown image format!",
  // "Sound not initialized", the About line): a box with one OK button,
  // returning when the user closes it.
  virtual void ShowMessage(std::string_view /*text*/, MessageKind /*kind*/) {}
  // Insert, autostart, text input and similar commands. The filter is in the
  // form "Description|*.EXT;*.EXT2|Description|*.*". nullopt = cancelled.
  virtual std::optional<FileChoice> ChooseOpenFile(std::string_view /*title*/, std::string_view /*filter*/,
                                                   std::string_view /*initialName*/) {
    return std::nullopt;
  }
  // Save commands (printer paper, recorded tape, screenshot, memory to tape).
  virtual std::optional<FileChoice> ChooseSaveFile(std::string_view /*title*/, std::string_view /*filter*/,
                                                   std::string_view /*initialName*/) {
    return std::nullopt;
  }
};

}  // namespace quillor
