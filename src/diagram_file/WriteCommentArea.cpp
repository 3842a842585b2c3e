#include "diagram_file/DiagramFile.h"
#include "platform/system/Files.h"

namespace {

// Rewrites the comment area of the open file; false when its header puts the area where a
// rewrite would damage the file or the write fails.
bool RewriteCommentArea(int handle, std::span<const std::uint8_t> text) {
  std::uint8_t header[8] = {};
  if (FileSeek(handle, 0, 0) != 0 || FileRead(handle, header, sizeof header) != sizeof header) return false;
  std::uint32_t headerLength = 0;
  std::uint32_t rawCount = 0;
  for (int i = 3; i >= 0; --i) {
    headerLength = (headerLength << 8) | header[i];
    rawCount = (rawCount << 8) | header[4 + i];
  }
  auto segmentCount = static_cast<std::int32_t>(rawCount);
  if (segmentCount < 0 || segmentCount > MaxSegments) return false;
  std::int64_t start = std::int64_t{headerLength} + 3 * std::int64_t{segmentCount};
  std::int64_t fileSize = FileSeek(handle, 0, 2);
  if (start < MinHeaderLength || fileSize < 0 || start > fileSize) return false;
  if (FileSeek(handle, start, 0) != start) return false;
  if (!text.empty() && FileWrite(handle, text.data(), text.size()) != static_cast<std::int64_t>(text.size())) return false;
  return FileTruncate(handle);
}

}  // namespace

bool WriteCommentArea(const std::string& path, std::span<const std::uint8_t> text) {
  if (!FileExists(path)) return false;
  int handle = FileOpen(path, fmOpenReadWrite);
  if (handle <= 0) return false;
  bool written = RewriteCommentArea(handle, text);
  FileClose(handle);
  return written;
}
