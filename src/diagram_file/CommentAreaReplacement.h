#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "diagram_file/DiagramFile.h"
#include "diagram_file/FileIdentity.h"

namespace dgr {

struct CommentReplacement {
  CommentWriteStatus Status = CommentWriteStatus::WriteFailed;
  // When not Written: why, in words, with the system's reason where it gave one.
  std::string Problem;
  // The system's error number behind Problem, or 0.
  int Error = 0;
  // The path names the file with the new comment (also when only the final flush of its
  // folder failed, so Status is WriteFailed).
  bool Replaced = false;
  // When Replaced: the new file's identity, for the check of the next save.
  std::optional<FileIdentity> Identity;
};

// Replaces the comment area of the diagram file at path with text, all or nothing (see
// platform::system::FileReplacement): the file afterwards is either exactly as it was or exactly
// its bytes before the comment area followed by text. The comment area starts where the file's
// own header places it (CommentStart).
//
// While it works it holds the file open without sharing, so two saves never interleave. When
// loaded is given, a file that is no longer the one loaded (another file at the path, another
// size or modification time, other bytes before the comment area) is left alone with Status
// Changed.
CommentReplacement ReplaceCommentArea(const std::string& path, std::span<const std::uint8_t> text,
                                      const std::optional<FileIdentity>& loaded);

}  // namespace dgr
