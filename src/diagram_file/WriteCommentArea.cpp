#include "diagram_file/DiagramFile.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileClose;
using platform::system::FileExists;
using platform::system::FileOpen;
using platform::system::FileRead;
using platform::system::FileSeek;
using platform::system::FileTruncate;
using platform::system::FileWrite;
using platform::system::fmOpenReadWrite;

const char* CommentWriteStatusText(CommentWriteStatus status) {
  switch (status) {
    case CommentWriteStatus::Written: return "written";
    case CommentWriteStatus::Missing: return "no such file";
    case CommentWriteStatus::CannotOpen: return "cannot be opened for writing";
    case CommentWriteStatus::TooShort: return "too short to hold a header";
    case CommentWriteStatus::SegmentCountOutOfRange: return "segment count out of range";
    case CommentWriteStatus::AreaInsideHeader: return "its header puts the comment area inside the header";
    case CommentWriteStatus::AreaBeyondEnd: return "its header puts the comment area beyond the end of the file";
    case CommentWriteStatus::WriteFailed: return "the write failed";
  }
  return "the write failed";
}

namespace {

CommentWriteStatus RewriteOpenFile(int handle, std::span<const std::uint8_t> text) {
  std::uint8_t header[8] = {};
  if (FileSeek(handle, 0, 0) != 0 || FileRead(handle, header, sizeof header) != sizeof header) return CommentWriteStatus::TooShort;
  std::uint32_t headerLength = 0;
  std::uint32_t rawCount = 0;
  for (int i = 3; i >= 0; --i) {
    headerLength = (headerLength << 8) | header[i];
    rawCount = (rawCount << 8) | header[4 + i];
  }
  auto segmentCount = static_cast<std::int32_t>(rawCount);
  if (segmentCount < 0 || segmentCount > MaxSegments) return CommentWriteStatus::SegmentCountOutOfRange;
  std::int64_t start = std::int64_t{headerLength} + 3 * std::int64_t{segmentCount};
  if (start < MinHeaderLength) return CommentWriteStatus::AreaInsideHeader;
  std::int64_t fileSize = FileSeek(handle, 0, 2);
  if (fileSize < 0 || start > fileSize) return CommentWriteStatus::AreaBeyondEnd;
  if (FileSeek(handle, start, 0) != start) return CommentWriteStatus::WriteFailed;
  if (!text.empty() && FileWrite(handle, text.data(), text.size()) != static_cast<std::int64_t>(text.size())) {
    return CommentWriteStatus::WriteFailed;
  }
  return FileTruncate(handle) ? CommentWriteStatus::Written : CommentWriteStatus::WriteFailed;
}

}  // namespace

CommentWriteStatus RewriteCommentArea(const std::string& path, std::span<const std::uint8_t> text) {
  if (!FileExists(path)) return CommentWriteStatus::Missing;
  int handle = FileOpen(path, fmOpenReadWrite);
  if (handle <= 0) return CommentWriteStatus::CannotOpen;
  CommentWriteStatus status = RewriteOpenFile(handle, text);
  FileClose(handle);
  return status;
}

bool WriteCommentArea(const std::string& path, std::span<const std::uint8_t> text) {
  return RewriteCommentArea(path, text) == CommentWriteStatus::Written;
}

}  // namespace dgr
