#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "diagram_file/DiagramFile.h"

namespace dgr {

// The file a comment is saved into: the shown file, as its load left it.
struct SaveTarget {
  std::string Path;
};

enum class CommentSaveStatus {
  Saved,
  Unencodable,  // the text holds a character Windows-1251 cannot hold
  Folder,       // the path names a folder
  NotWritten,   // the file refused the rewrite, for the reason in Write
};

struct CommentSaveResult {
  CommentSaveStatus Status = CommentSaveStatus::Saved;
  char32_t Unencodable = 0;                                // when Unencodable: the first such character
  CommentWriteStatus Write = CommentWriteStatus::Written;  // when NotWritten: why

  bool Saved() const { return Status == CommentSaveStatus::Saved; }
};

// Why a save failed, as one line for messages; "written" for a save that succeeded.
std::string CommentSaveReason(const CommentSaveResult& result);

// The one way a comment reaches a file: encodes the editor's text as saving writes it
// (EncodeCommentForSave) and rewrites the target's comment area with it. Nothing is written
// unless the whole text can be encoded and the file's own header places the comment area
// inside the file.
CommentSaveResult SaveComment(const SaveTarget& target, std::string_view text);

// What the comment window holds when the pending-comment step runs.
struct PendingComment {
  bool Modified = false;    // changed since it was loaded or saved
  bool AlwaysSave = false;  // save without asking
  std::string_view Text;
};

// The pending-comment step, run before the shown file changes, when the comment window hides
// and when the program closes: an unmodified comment needs nothing; with AlwaysSave it is saved
// at once; otherwise, while the target still exists, askToSave is asked, and a yes saves. Gives
// the result of the save, or nothing when none was tried. Never cancels what its caller does.
std::optional<CommentSaveResult> SavePendingComment(const PendingComment& comment, const SaveTarget& target,
                                                    const std::function<bool()>& askToSave);

}  // namespace dgr
