#include "diagram_file/CommentAreaReplacement.h"
#include "diagram_file/DiagramFile.h"

namespace dgr {

const char* CommentWriteStatusText(CommentWriteStatus status) {
  switch (status) {
    case CommentWriteStatus::Written: return "written";
    case CommentWriteStatus::Missing: return "no such file";
    case CommentWriteStatus::CannotOpen: return "cannot be opened for writing";
    case CommentWriteStatus::TooShort: return "too short to hold a header";
    case CommentWriteStatus::SegmentCountOutOfRange: return "segment count out of range";
    case CommentWriteStatus::AreaInsideHeader: return "its header puts the comment area inside the header";
    case CommentWriteStatus::AreaBeyondEnd: return "its header puts the comment area beyond the end of the file";
    case CommentWriteStatus::Changed: return "was changed by another program since it was read";
    case CommentWriteStatus::WriteFailed: return "the write failed";
  }
  return "the write failed";
}

CommentWriteStatus RewriteCommentArea(const std::string& path, std::span<const std::uint8_t> text) {
  return ReplaceCommentArea(path, text, std::nullopt).Status;
}

bool WriteCommentArea(const std::string& path, std::span<const std::uint8_t> text) {
  return RewriteCommentArea(path, text) == CommentWriteStatus::Written;
}

}  // namespace dgr
