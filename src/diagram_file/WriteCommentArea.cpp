#include "diagram_file/DiagramFile.h"
#include "diagram_file/FileLayout.h"
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
  // HeaderLength and SegmentCount, the first 8 bytes, place the comment area.
  constexpr std::int64_t placing = 8;
  HeaderImage header{};
  if (FileSeek(handle, 0, 0) != 0 || FileRead(handle, header.data(), placing) != placing) return CommentWriteStatus::TooShort;
  DiagramFile file;
  DecodeHeader(header, file);
  if (file.SegmentCount < 0 || file.SegmentCount > MaxSegments) return CommentWriteStatus::SegmentCountOutOfRange;
  const std::int64_t start = CommentStart(file.HeaderLength, file.SegmentCount);
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
