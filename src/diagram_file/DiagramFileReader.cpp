#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

#include "diagram_file/DiagramFile.h"
#include "diagram_file/FileLayout.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::FileOpenProblem;
using platform::system::FileRead;
using platform::system::FileSeek;
using platform::system::fmOpenRead;

const char* ReadStatusText(ReadStatus status) {
  switch (status) {
    case ReadStatus::Ok: return "ok";
    case ReadStatus::Missing: return "no such file";
    case ReadStatus::Folder: return "is a folder";
    case ReadStatus::CannotOpen: return "cannot be opened";
    case ReadStatus::SegmentCountOutOfRange: return "segment count out of range";
  }
  return "cannot be opened";
}

namespace {

// Why an open of path failed, judged after the fact.
ReadStatus OpenFailure(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::CannotOpen;
  return S_ISDIR(info.st_mode) ? ReadStatus::Folder : ReadStatus::CannotOpen;
}

// Reads size bytes at offset into out; what lies beyond the end of the file stays 0.
void ReadAt(int handle, std::int64_t offset, std::uint8_t* out, std::size_t size) {
  std::fill(out, out + size, std::uint8_t{0});
  if (size > 0 && FileSeek(handle, offset, 0) == offset) FileRead(handle, out, size);
}

// Reads up to size bytes at offset into comment, in pieces, stopping after the first zero byte,
// so that the bytes held never exceed much what is shown.
void ReadCommentArea(int handle, std::int64_t offset, std::int64_t size, std::vector<std::uint8_t>& comment) {
  constexpr std::int64_t Piece = 1 << 16;
  if (size <= 0 || FileSeek(handle, offset, 0) != offset) return;
  while (size > 0) {
    const std::size_t held = comment.size();
    comment.resize(held + static_cast<std::size_t>(std::min(size, Piece)));
    const std::int64_t got = FileRead(handle, comment.data() + held, comment.size() - held);
    comment.resize(held + static_cast<std::size_t>(std::max<std::int64_t>(got, 0)));
    if (got <= 0) return;
    const auto zero = std::find(comment.begin() + static_cast<std::ptrdiff_t>(held), comment.end(), std::uint8_t{0});
    if (zero != comment.end()) {
      comment.erase(zero + 1, comment.end());
      break;
    }
    size -= got;
  }
  comment.shrink_to_fit();
}

}  // namespace

DiagramFileReader::DiagramFileReader(const std::string& path) {
  handle_ = FileOpen(path, fmOpenRead);
  if (handle_ <= 0) {
    handle_ = 0;
    status_ = OpenFailure(path);
    problem_ = FileOpenProblem();
    return;
  }
  const std::int64_t fileSize = std::max<std::int64_t>(FileSeek(handle_, 0, 2), 0);

  HeaderImage header;
  ReadAt(handle_, 0, header.data(), header.size());
  DiagramFile& f = file_;
  DecodeHeader(header, f);
  if (f.SegmentCount < 0 || f.SegmentCount > MaxSegments) {
    Close();
    status_ = ReadStatus::SegmentCountOutOfRange;
    problem_ = ReadStatusText(status_);
    return;
  }

  const auto count = static_cast<std::size_t>(f.SegmentCount);
  std::int64_t position = f.HeaderLength;
  for (const auto array : FileArrays) {
    (f.*array).resize(count);
    ReadAt(handle_, position, (f.*array).data(), count);
    position += f.SegmentCount;
  }
  ReadCommentArea(handle_, position, std::min(fileSize - position, MaxCommentBytes), f.Comment);
  identity_ = IdentifyOpenFile(handle_);
  status_ = ReadStatus::Ok;
}

DiagramFileReader::~DiagramFileReader() { Close(); }

void DiagramFileReader::Close() {
  if (handle_ > 0) FileClose(handle_);
  handle_ = 0;
}

ReadStatus ReadDiagramFile(const std::string& path, DiagramFile& file) {
  DiagramFileReader reader(path);
  if (reader.Ok()) file = std::move(reader.File());
  return reader.Status();
}

}  // namespace dgr
