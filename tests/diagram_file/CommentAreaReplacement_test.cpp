#include "diagram_file/CommentAreaReplacement.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "diagram_file/ByteEdits.h"
#include "diagram_file/CommentText.h"
#include "platform/system/FaultInjection.h"
#include "platform/system/Files.h"
#include "platform/system/ScratchFolder.h"

using dgr::CommentWriteStatus;
using dgr::DiagramFile;
using dgr::DiagramFileReader;
using dgr::EncodeCommentForSave;
using dgr::EncodeDiagramFile;
using dgr::ReplaceCommentArea;
using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::fmOpenRead;

namespace {

using platform::system::FileStep;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A file whose bytes before the comment area take several pieces to copy.
std::vector<std::uint8_t> LargeHeaderFile(const std::string& comment) {
  DiagramFile record = SampleDiagram(500, 64, comment, 4);
  std::vector<std::uint8_t> bytes = EncodeDiagramFile(record);
  const std::size_t extra = 200000;
  bytes.insert(bytes.begin() + 64, extra, 0x5A);
  PutLittle32(bytes, 0, 64 + extra);
  return bytes;
}

std::optional<dgr::FileIdentity> LoadedIdentity(const std::string& path) {
  DiagramFileReader reader(path);
  EXPECT_TRUE(reader.Ok()) << reader.Problem();
  return reader.Identity();
}

TEST(ReplaceCommentArea, AFailureAtAnyStepLeavesExactlyTheOldOrTheNewFile) {
  ScratchFolder folder;
  const std::vector<std::uint8_t> old = LargeHeaderFile("старый комментарий, длиннее нового");
  const std::string path = folder.Write("a.dgr", old);
  const std::vector<std::uint8_t> text = Bytes("new text");
  const std::size_t start = old.size() - EncodeCommentForSave("старый комментарий, длиннее нового").Bytes.size();
  std::vector<std::uint8_t> next(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(start));
  next.insert(next.end(), text.begin(), text.end());

  std::vector<FileStep> steps;
  {
    FaultInjection count;
    ASSERT_EQ(ReplaceCommentArea(path, text, LoadedIdentity(path)).Status, CommentWriteStatus::Written);
    steps = count.Steps();
  }
  ASSERT_EQ(ReadAllBytes(path), next);
  ASSERT_GE(std::count(steps.begin(), steps.end(), FileStep::Write), 4);

  for (int failAt = 0; failAt < static_cast<int>(steps.size()); ++failAt) {
    SCOPED_TRACE(failAt);
    folder.Write("a.dgr", old);
    const bool folderFlush = steps[static_cast<std::size_t>(failAt)] == FileStep::FlushFolder;
    dgr::CommentReplacement result;
    {
      FaultInjection fault(failAt);
      result = ReplaceCommentArea(path, text, LoadedIdentity(path));
    }
    EXPECT_EQ(result.Status, CommentWriteStatus::WriteFailed);
    EXPECT_NE(result.Problem.find(folderFlush ? "Input/output error" : steps[static_cast<std::size_t>(failAt)] == FileStep::Write
                                                                              ? "No space left on device"
                                                                              : "Input/output error"),
              std::string::npos)
        << result.Problem;
    EXPECT_EQ(result.Replaced, folderFlush);
    EXPECT_EQ(ReadAllBytes(path), folderFlush ? next : old);
  }
  const auto entries = std::distance(std::filesystem::directory_iterator(folder.Path("")), std::filesystem::directory_iterator());
  EXPECT_EQ(entries, 1);
}

// Sets the modification time of path back to what it was, so that only the bytes tell.
void KeepTime(const std::string& path, const struct stat& before) {
  const struct timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(ReplaceCommentArea, RefusesAFileChangedSinceItWasLoaded) {
  struct Case {
    const char* what;
    std::function<void(const std::string&, const std::vector<std::uint8_t>&)> change;
  };
  const std::vector<Case> cases = {
      {"an array byte, same size and time",
       [](const std::string& path, std::vector<std::uint8_t> bytes) {
         struct stat before {};
         ::stat(path.c_str(), &before);
         bytes[70] ^= 1;
         WriteAllBytes(path, bytes);
         KeepTime(path, before);
       }},
      {"a header byte, same size and time",
       [](const std::string& path, std::vector<std::uint8_t> bytes) {
         struct stat before {};
         ::stat(path.c_str(), &before);
         bytes[9] ^= 0x80;
         WriteAllBytes(path, bytes);
         KeepTime(path, before);
       }},
      {"the comment, another size",
       [](const std::string& path, std::vector<std::uint8_t> bytes) {
         bytes.push_back('!');
         WriteAllBytes(path, bytes);
       }},
      {"only the modification time",
       [](const std::string& path, const std::vector<std::uint8_t>&) {
         const struct timespec times[2] = {{0, UTIME_OMIT}, {1000000, 0}};
         ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
       }},
      {"replaced by a copy with the same bytes and time",
       [](const std::string& path, const std::vector<std::uint8_t>& bytes) {
         struct stat before {};
         ::stat(path.c_str(), &before);
         WriteAllBytes(path + ".copy", bytes);
         KeepTime(path + ".copy", before);
         std::filesystem::rename(path + ".copy", path);
       }},
  };
  ScratchFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::uint8_t> bytes = EncodeDiagramFile(SampleDiagram(40, 64, "их комментарий", 6));
    const std::string path = folder.Write("a.dgr", bytes);
    const std::optional<dgr::FileIdentity> loaded = LoadedIdentity(path);
    c.change(path, bytes);
    const std::vector<std::uint8_t> theirs = ReadAllBytes(path);
    const dgr::CommentReplacement refused = ReplaceCommentArea(path, Bytes("mine"), loaded);
    EXPECT_EQ(refused.Status, CommentWriteStatus::Changed);
    EXPECT_EQ(refused.Problem, "was changed by another program since it was read");
    EXPECT_EQ(ReadAllBytes(path), theirs);
    EXPECT_EQ(ReplaceCommentArea(path, Bytes("mine"), std::nullopt).Status, CommentWriteStatus::Written);
  }
}

TEST(ReplaceCommentArea, ASavedFileCanBeSavedAgainWithTheIdentityItGives) {
  ScratchFolder folder;
  const std::string path = folder.Write("a.dgr", EncodeDiagramFile(SampleDiagram(40, 64, "first", 7)));
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  std::optional<dgr::FileIdentity> identity = LoadedIdentity(path);
  for (const char* text : {"second", "a longer third comment", ""}) {
    const dgr::CommentReplacement saved = ReplaceCommentArea(path, Bytes(text), identity);
    ASSERT_EQ(saved.Status, CommentWriteStatus::Written) << saved.Problem;
    EXPECT_TRUE(saved.Replaced);
    EXPECT_EQ(saved.Identity, LoadedIdentity(path));
    identity = saved.Identity;
  }
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0604u);
}

TEST(ReplaceCommentArea, ProblemsNameTheReason) {
  ScratchFolder folder;
  const std::string path = folder.Write("a.dgr", EncodeDiagramFile(SampleDiagram(10, 64, "x", 8)));
  std::filesystem::create_directory(folder.Path("x.dgr"));
  ASSERT_EQ(::mkfifo(folder.Path("f.dgr").c_str(), 0644), 0);
  const int holder = FileOpen(path, fmOpenRead);
  struct Case {
    std::string path;
    CommentWriteStatus status;
    std::string problem;
  };
  using enum CommentWriteStatus;
  for (const Case& c : std::vector<Case>{{folder.Path("none.dgr"), Missing, "cannot be opened for writing: No such file or directory"},
                                         {folder.Path("x.dgr"), Missing, "cannot be opened for writing: is a folder"},
                                         {folder.Path("f.dgr"), Missing, "cannot be opened for writing: not a regular file"},
                                         {path, CannotOpen, "cannot be opened for writing: is open in this or another program"}}) {
    const dgr::CommentReplacement result = ReplaceCommentArea(c.path, Bytes("t"), std::nullopt);
    EXPECT_EQ(result.Status, c.status) << c.path;
    EXPECT_EQ(result.Problem, c.problem) << c.path;
  }
  FileClose(holder);
}

}  // namespace
