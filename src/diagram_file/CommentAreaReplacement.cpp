#include "diagram_file/CommentAreaReplacement.h"

#include <unistd.h>

#include <variant>

#include "diagram_file/FileLayout.h"
#include "platform/system/FileReplacement.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileClose;
using platform::system::FileExists;
using platform::system::FileOpen;
using platform::system::FileOpenProblem;
using platform::system::fmOpenReadWrite;

namespace {

// The offset of the comment area of the open file, or the status that refuses a rewrite.
std::variant<std::int64_t, CommentWriteStatus> CommentAreaStart(int handle, std::int64_t fileSize) {
  // HeaderLength and SegmentCount, the fields that place the comment area, end at byte 8.
  constexpr ::ssize_t PlacingFieldsEnd = 8;
  HeaderImage header{};
  if (::pread(handle, header.data(), header.size(), 0) < PlacingFieldsEnd) return CommentWriteStatus::TooShort;
  DiagramFile file;
  DecodeHeader(header, file);
  if (file.SegmentCount < 0 || file.SegmentCount > MaxSegments) return CommentWriteStatus::SegmentCountOutOfRange;
  const std::int64_t start = CommentStart(file.HeaderLength, file.SegmentCount);
  if (start < MinHeaderLength) return CommentWriteStatus::AreaInsideHeader;
  if (start > fileSize) return CommentWriteStatus::AreaBeyondEnd;
  return start;
}

CommentReplacement Refused(CommentWriteStatus status, std::string problem) {
  CommentReplacement result;
  result.Status = status;
  result.Problem = std::move(problem);
  return result;
}

CommentReplacement ReplaceInOpenFile(int handle, const std::string& path, std::span<const std::uint8_t> text,
                                     const std::optional<FileIdentity>& loaded) {
  using enum CommentWriteStatus;
  const std::optional<FileIdentity> current = IdentifyOpenFile(handle);
  if (!current) return Refused(CannotOpen, "cannot be read");
  // The lock is on the file that was opened; another save may have put a new file at the path
  // between the open and the lock.
  if (platform::system::StampOfPath(path) != current->Stamp) return Refused(Changed, "was replaced by another program while being saved");
  if (loaded && *loaded != *current) return Refused(Changed, "was changed by another program since it was read");

  const auto start = CommentAreaStart(handle, current->Stamp.Size);
  if (const auto* status = std::get_if<CommentWriteStatus>(&start)) return Refused(*status, CommentWriteStatusText(*status));

  platform::system::FileReplacement replacement(path);
  replacement.CopyFrom(handle, 0, std::get<std::int64_t>(start));
  replacement.Write(text);
  replacement.Commit();
  CommentReplacement result;
  result.Status = replacement.Ok() ? Written : WriteFailed;
  result.Problem = replacement.Problem();
  result.Error = replacement.Error();
  result.Replaced = replacement.Replaced();
  if (result.Replaced && replacement.NewStamp()) {
    FileIdentity identity = *current;
    identity.Stamp = *replacement.NewStamp();
    result.Identity = identity;
  }
  return result;
}

}  // namespace

CommentReplacement ReplaceCommentArea(const std::string& path, std::span<const std::uint8_t> text,
                                      const std::optional<FileIdentity>& loaded) {
  const int handle = FileOpen(path, fmOpenReadWrite);
  if (handle <= 0) {
    return Refused(FileExists(path) ? CommentWriteStatus::CannotOpen : CommentWriteStatus::Missing,
                   "cannot be opened for writing: " + FileOpenProblem());
  }
  CommentReplacement result = ReplaceInOpenFile(handle, path, text, loaded);
  FileClose(handle);
  return result;
}

}  // namespace dgr
