#include "diagram_file/DiagramFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "diagram_file/ByteEdits.h"
#include "diagram_file/CommentText.h"
#include "platform/system/Files.h"
#include "platform/system/ScratchFolder.h"

using dgr::CommentWriteStatus;
using dgr::EncodeCommentForSave;
using dgr::EncodeDiagramFile;
using dgr::EncodedComment;
using dgr::MaxSegments;
using dgr::ReadDiagramFile;
using dgr::ReadStatus;
using dgr::RewriteCommentArea;
using dgr::WriteCommentArea;
using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::fmOpenRead;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(WriteCommentArea, RewritesOnlyTheCommentArea) {
  const std::vector<std::string> comments = {"", "abc", "Уровень в норме\nпроверено", std::string(3000, 'x'), std::string("a\0b", 3)};
  ScratchFolder folder;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    const std::string& oldComment = comments[seed % comments.size()];
    const std::string& newComment = comments[(seed * 7 + 3) % comments.size()];
    std::uint32_t headerLength = std::vector<std::uint32_t>{52, 62, 64, 90}[seed % 4];
    DiagramFile written = SampleDiagram(static_cast<std::int32_t>(seed * 53 % 1100), headerLength, oldComment, seed);
    std::vector<std::uint8_t> before = EncodeDiagramFile(written);
    std::string path = folder.Write("a.dgr", before);
    EncodedComment text = EncodeCommentForSave(newComment);
    ASSERT_TRUE(text.Ok);

    ASSERT_TRUE(WriteCommentArea(path, text.Bytes)) << "seed " << seed;
    std::vector<std::uint8_t> after = ReadAllBytes(path);
    std::size_t start = headerLength + 3 * static_cast<std::size_t>(written.SegmentCount);
    ASSERT_EQ(after.size(), start + text.Bytes.size());
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(start), before.begin()));
    EXPECT_TRUE(std::equal(after.begin() + static_cast<std::ptrdiff_t>(start), after.end(), text.Bytes.begin()));
    DiagramFile read;
    ASSERT_EQ(ReadDiagramFile(path, read), ReadStatus::Ok);
    EXPECT_EQ(read.Comment, ReadPartOfCommentArea(text.Bytes));
  }
}

TEST(WriteCommentArea, ShorterTextLeavesExactlyItsBytes) {
  ScratchFolder folder;
  DiagramFile written = SampleDiagram(20, 64, "a much longer comment than the new one", 3);
  std::string path = folder.Write("a.dgr", EncodeDiagramFile(written));
  ASSERT_TRUE(WriteCommentArea(path, Bytes("abc")));
  DiagramFile read;
  ASSERT_EQ(ReadDiagramFile(path, read), ReadStatus::Ok);
  EXPECT_EQ(read.Comment, Bytes("abc"));
  ASSERT_TRUE(WriteCommentArea(path, {}));
  ASSERT_EQ(ReadDiagramFile(path, read), ReadStatus::Ok);
  EXPECT_TRUE(read.Comment.empty());
  EXPECT_EQ(std::filesystem::file_size(path), 64u + 60u);
}

TEST(WriteCommentArea, RefusesFilesItWouldDamage) {
  DiagramFile base = SampleDiagram(10, 64, "old", 5);
  const std::vector<std::uint8_t> good = EncodeDiagramFile(base);
  auto withHeader = [&](std::uint32_t headerLength, std::uint32_t count) {
    std::vector<std::uint8_t> bytes = good;
    PutLittle32(bytes, 0, headerLength);
    PutLittle32(bytes, 4, count);
    return bytes;
  };
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    CommentWriteStatus status;
  };
  using enum CommentWriteStatus;
  const std::vector<Case> cases = {
      {"comment area inside the header", withHeader(20, 10), AreaInsideHeader},
      {"comment area at offset 0", withHeader(0, 0), AreaInsideHeader},
      {"comment area beyond the end", withHeader(64, 100), AreaBeyondEnd},
      {"header length far beyond the end", withHeader(0xFFFFFFFFu, 10), AreaBeyondEnd},
      {"32-bit sum that would wrap", withHeader(0xFFFFFFF0u, 16), AreaBeyondEnd},
      {"negative segment count", withHeader(64, 0xFFFFFFFFu), SegmentCountOutOfRange},
      {"segment count above the limit", withHeader(64, MaxSegments + 1), SegmentCountOutOfRange},
      {"shorter than 8 bytes", std::vector<std::uint8_t>(good.begin(), good.begin() + 7), TooShort},
      {"empty", {}, TooShort}};
  ScratchFolder folder;
  for (const Case& c : cases) {
    std::string path = folder.Write("a.dgr", c.bytes);
    EXPECT_EQ(RewriteCommentArea(path, Bytes("new text")), c.status) << c.what;
    EXPECT_FALSE(WriteCommentArea(path, Bytes("new text"))) << c.what;
    EXPECT_EQ(ReadAllBytes(path), c.bytes) << c.what;
  }
}

TEST(WriteCommentArea, FailsWhenTheFileCannotBeOpened) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.Path("x.dgr"));
  EXPECT_EQ(RewriteCommentArea(folder.Path("x.dgr"), Bytes("t")), CommentWriteStatus::Missing);
  EXPECT_EQ(RewriteCommentArea(folder.Path("missing.dgr"), Bytes("t")), CommentWriteStatus::Missing);

  const std::vector<std::uint8_t> bytes = EncodeDiagramFile(SampleDiagram(10, 64, "old", 5));
  std::string path = folder.Write("a.dgr", bytes);
  int handle = FileOpen(path, fmOpenRead);
  ASSERT_GT(handle, 0);
  EXPECT_EQ(RewriteCommentArea(path, Bytes("t")), CommentWriteStatus::CannotOpen);
  FileClose(handle);
  EXPECT_EQ(ReadAllBytes(path), bytes);
  EXPECT_TRUE(WriteCommentArea(path, Bytes("t")));
}

}  // namespace
