#include "platform/system/FileReplacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/system/FaultInjection.h"
#include "platform/system/ScratchFolder.h"

namespace {

using platform::system::FileReplacement;
using platform::system::FileStep;
using platform::system::ReplaceFileContent;

std::vector<std::string> FolderEntries(const ScratchFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path(""))) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + seed);
  return bytes;
}

TEST(FileReplacement, ReplacesTheContentAndKeepsThePermissions) {
  ScratchFolder folder;
  const std::string path = folder.Write("a.dgr", Pattern(100, 1));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  const std::vector<std::uint8_t> next = Pattern(300000, 2);
  EXPECT_EQ(ReplaceFileContent(path, next), "");
  EXPECT_EQ(ReadAllBytes(path), next);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"a.dgr"});
}

TEST(FileReplacement, CreatesAMissingFileWithTheUsualPermissions) {
  ScratchFolder folder;
  const mode_t old = ::umask(027);
  EXPECT_EQ(ReplaceFileContent(folder.Path("new.png"), Pattern(10, 3)), "");
  ::umask(old);
  EXPECT_EQ(ReadAllBytes(folder.Path("new.png")), Pattern(10, 3));
  struct stat info {};
  ASSERT_EQ(::stat(folder.Path("new.png").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(FileReplacement, ReplacesTheTargetOfASymbolicLink) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.Path("data"));
  const std::string target = folder.Write("data/a.dgr", Pattern(10, 4));
  std::filesystem::create_symlink(target, folder.Path("link.dgr"));
  EXPECT_EQ(ReplaceFileContent(folder.Path("link.dgr"), Pattern(20, 5)), "");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("link.dgr")));
  EXPECT_EQ(ReadAllBytes(target), Pattern(20, 5));
}

// A replaced file is a new file: another hard link keeps the old content.
TEST(FileReplacement, OtherHardLinksKeepTheOldContent) {
  ScratchFolder folder;
  const std::string path = folder.Write("a.dgr", Pattern(10, 6));
  std::filesystem::create_hard_link(path, folder.Path("b.dgr"));
  EXPECT_EQ(ReplaceFileContent(path, Pattern(10, 7)), "");
  EXPECT_EQ(ReadAllBytes(path), Pattern(10, 7));
  EXPECT_EQ(ReadAllBytes(folder.Path("b.dgr")), Pattern(10, 6));
}

TEST(FileReplacement, RefusesWhatIsNoRegularFile) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.Path("x.dgr"));
  ASSERT_EQ(::mkfifo(folder.Path("f.dgr").c_str(), 0644), 0);
  struct Case {
    std::string path;
    std::string problem;
  };
  for (const Case& c : std::vector<Case>{{folder.Path("x.dgr"), "is a folder"},
                                         {folder.Path("f.dgr"), "not a regular file"},
                                         {"/dev/null", "not a regular file"},
                                         {folder.Path("none/a.dgr"), "its folder cannot be opened: No such file or directory"}}) {
    EXPECT_EQ(ReplaceFileContent(c.path, Pattern(5, 8)), c.problem) << c.path;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(folder.Path("f.dgr")));
}

// Every step that can fail is made to fail in turn. Before the rename the file is exactly the
// old one; from the rename on, exactly the new one; no new file is left behind either way.
TEST(FileReplacement, AFailureAtAnyStepLeavesTheOldOrTheNewFile) {
  ScratchFolder folder;
  const std::vector<std::uint8_t> old = Pattern(1000, 9);
  const std::vector<std::uint8_t> next = Pattern(200000, 10);  // several writes
  const std::string path = folder.Write("a.dgr", old);
  std::vector<FileStep> steps;
  {
    FaultInjection count;
    ASSERT_EQ(ReplaceFileContent(path, next), "");
    steps = count.Steps();
  }
  ASSERT_GE(std::count(steps.begin(), steps.end(), FileStep::Write), 3);
  const std::vector<FileStep> last = {FileStep::Flush, FileStep::Rename, FileStep::FlushFolder};
  ASSERT_TRUE(std::equal(last.begin(), last.end(), steps.end() - 3));

  struct Expectation {
    FileStep step;
    std::string problem;
  };
  const std::vector<Expectation> problems = {
      {FileStep::Create, "no new file can be created beside it in its folder: Input/output error"},
      {FileStep::Write, "the new content cannot be written: No space left on device"},
      {FileStep::Flush, "the new content cannot be flushed to disk: Input/output error"},
      {FileStep::Rename, "the new file cannot be renamed over the old one: Input/output error"},
      {FileStep::FlushFolder, "the new content is in place, but its folder cannot be flushed to disk: Input/output error"}};
  for (int failAt = 0; failAt < static_cast<int>(steps.size()); ++failAt) {
    SCOPED_TRACE(failAt);
    folder.Write("a.dgr", old);
    {
      FaultInjection fault(failAt);
      FileReplacement attempt(path);
      attempt.Write(next);
      EXPECT_FALSE(attempt.Commit());
      const auto expected = std::find_if(problems.begin(), problems.end(),
                                         [&](const Expectation& e) { return e.step == steps[static_cast<std::size_t>(failAt)]; });
      ASSERT_NE(expected, problems.end());
      EXPECT_EQ(attempt.Problem(), expected->problem);
      EXPECT_EQ(attempt.Replaced(), expected->step == FileStep::FlushFolder);
    }
    EXPECT_EQ(ReadAllBytes(path), steps[static_cast<std::size_t>(failAt)] == FileStep::FlushFolder ? next : old);
  }
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"a.dgr"});
}

}  // namespace
