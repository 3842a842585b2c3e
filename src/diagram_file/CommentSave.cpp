#include "diagram_file/CommentSave.h"

#include <filesystem>

#include <fmt/format.h>

#include "diagram_file/CommentText.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileExists;

std::string CommentSaveReason(const CommentSaveResult& result) {
  switch (result.Status) {
    case CommentSaveStatus::Saved: break;
    case CommentSaveStatus::Unencodable:
      return fmt::format("the text holds U+{:04X}, which Windows-1251 cannot hold; nothing written",
                         static_cast<std::uint32_t>(result.Unencodable));
    case CommentSaveStatus::Folder: return "is a folder";
    case CommentSaveStatus::NotWritten: return CommentWriteStatusText(result.Write);
  }
  return CommentWriteStatusText(CommentWriteStatus::Written);
}

CommentSaveResult SaveComment(const SaveTarget& target, std::string_view text) {
  const EncodedComment encoded = EncodeCommentForSave(text);
  if (!encoded.Ok) return {.Status = CommentSaveStatus::Unencodable, .Unencodable = encoded.Unencodable};
  std::error_code ignored;
  if (std::filesystem::is_directory(target.Path, ignored)) return {.Status = CommentSaveStatus::Folder};
  const CommentWriteStatus written = RewriteCommentArea(target.Path, encoded.Bytes);
  if (written != CommentWriteStatus::Written) return {.Status = CommentSaveStatus::NotWritten, .Write = written};
  return {};
}

std::optional<CommentSaveResult> SavePendingComment(const PendingComment& comment, const SaveTarget& target,
                                                    const std::function<bool()>& askToSave) {
  if (!comment.Modified) return std::nullopt;
  if (!comment.AlwaysSave && (!FileExists(target.Path) || !askToSave())) return std::nullopt;
  return SaveComment(target, comment.Text);
}

}  // namespace dgr
