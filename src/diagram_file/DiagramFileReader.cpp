#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

#include "diagram_file/DiagramFile.h"
#include "diagram_file/FileLayout.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileClose;
using platform::system::FileOpen;
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

}  // namespace

DiagramFileReader::DiagramFileReader(const std::string& path) {
  handle_ = FileOpen(path, fmOpenRead);
  if (handle_ <= 0) {
    handle_ = 0;
    status_ = OpenFailure(path);
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
    return;
  }

  const auto count = static_cast<std::size_t>(f.SegmentCount);
  std::int64_t position = f.HeaderLength;
  for (const auto array : FileArrays) {
    (f.*array).resize(count);
    ReadAt(handle_, position, (f.*array).data(), count);
    position += f.SegmentCount;
  }
  if (fileSize > position) {
    f.Comment.resize(static_cast<std::size_t>(std::min(fileSize - position, MaxCommentBytes)));
    ReadAt(handle_, position, f.Comment.data(), f.Comment.size());
  }
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
