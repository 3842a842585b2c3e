#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "diagram_file/CommentAreaReplacement.h"

namespace dgr {

// What the user chose when a save found that another program changed the file since it was
// loaded.
enum class ChangedFileChoice { Overwrite, KeepTheirs };

struct ChangedFileSave {
  CommentReplacement Result;  // of the last attempt
  bool KeptTheirs = false;    // the file was left as the other program made it: show it again
};

// Replaces the comment area of path with text while the file is still the one loaded. When
// another program changed it, choose decides: Overwrite saves over the change, KeepTheirs leaves
// the file alone. Every other outcome is the save's own.
ChangedFileSave SaveOverChanges(const std::string& path, std::span<const std::uint8_t> text, const std::optional<FileIdentity>& loaded,
                                const std::function<ChangedFileChoice()>& choose);

}  // namespace dgr
