// The comment rewrite: any file, any text, a failure injected at any step. Afterwards the file is
// either exactly as it was or exactly its bytes before the comment area followed by the text:
// nothing is ever written outside the comment area, and header and arrays never change.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "FuzzFile.h"
#include "diagram_file/CommentAreaReplacement.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFile.h"
#include "platform/system/FileFaults.h"

using dgr::CommentWriteStatus;
using dgr::EncodeCommentForSave;
using dgr::EncodedComment;
using dgr::MaxSegments;
using dgr::MinHeaderLength;

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return bytes;
  std::uint8_t piece[4096];
  for (ssize_t got; (got = ::read(fd, piece, sizeof piece)) > 0;) bytes.insert(bytes.end(), piece, piece + got);
  ::close(fd);
  return bytes;
}

// Where the comment area starts by the file's own first 8 bytes, or nullopt when a rewrite must
// be refused; worked out here apart from the code under test.
std::optional<std::size_t> ExpectedStart(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 8) return std::nullopt;
  std::uint64_t headerLength = 0;
  std::uint32_t count = 0;
  for (int i = 3; i >= 0; --i) {
    headerLength = (headerLength << 8) | bytes[std::size_t(i)];
    count = (count << 8) | bytes[std::size_t(4 + i)];
  }
  const auto segments = static_cast<std::int32_t>(count);
  if (segments < 0 || segments > MaxSegments) return std::nullopt;
  const std::uint64_t start = headerLength + 3 * std::uint64_t(segments);
  if (start < MinHeaderLength || start > bytes.size()) return std::nullopt;
  return static_cast<std::size_t>(start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const FuzzFolder folder;
  if (size < 3) return 0;
  // Byte 0: the step that fails (0: none); byte 1: the text's length; then the text, then the file.
  const int failAt = data[0] % 16 - 1;
  const std::size_t textLength = std::min<std::size_t>(data[1], size - 2);
  const std::string_view typed(reinterpret_cast<const char*>(data) + 2, textLength);
  const std::vector<std::uint8_t> old(data + 2 + textLength, data + size);
  const EncodedComment encoded = EncodeCommentForSave(typed);
  const std::vector<std::uint8_t> text = encoded.Ok ? encoded.Bytes : std::vector<std::uint8_t>(typed.begin(), typed.end());

  folder.Write(old);
  int step = 0;
  bool failed = false;
  platform::system::SetFileFaultHook([&](platform::system::FileStep) {
    if (step++ != failAt) return 0;
    failed = true;
    return EIO;
  });
  const dgr::CommentReplacement result = dgr::ReplaceCommentArea(folder.File(), text, std::nullopt);
  platform::system::SetFileFaultHook(nullptr);

  const std::vector<std::uint8_t> after = ReadAll(folder.File());
  const std::optional<std::size_t> start = ExpectedStart(old);
  if (!start) {
    FUZZ_CHECK(result.Status != CommentWriteStatus::Written && !result.Replaced);
    FUZZ_CHECK(after == old);
  } else {
    std::vector<std::uint8_t> next(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(*start));
    next.insert(next.end(), text.begin(), text.end());
    FUZZ_CHECK((result.Status == CommentWriteStatus::Written) == !failed);
    FUZZ_CHECK(after == (result.Replaced ? next : old));
    FUZZ_CHECK(!result.Problem.empty() == failed);
  }
  // Nothing is left beside the file.
  const auto entries = std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator());
  FUZZ_CHECK(entries == 1);
  return 0;
}
