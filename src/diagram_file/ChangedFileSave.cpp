#include "diagram_file/ChangedFileSave.h"

namespace dgr {

ChangedFileSave SaveOverChanges(const std::string& path, std::span<const std::uint8_t> text, const std::optional<FileIdentity>& loaded,
                                const std::function<ChangedFileChoice()>& choose) {
  ChangedFileSave save;
  save.Result = ReplaceCommentArea(path, text, loaded);
  if (save.Result.Status != CommentWriteStatus::Changed) return save;
  if (choose() == ChangedFileChoice::KeepTheirs) {
    save.KeptTheirs = true;
    return save;
  }
  save.Result = ReplaceCommentArea(path, text, std::nullopt);
  return save;
}

}  // namespace dgr
