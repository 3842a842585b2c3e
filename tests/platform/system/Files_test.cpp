#include "platform/system/Files.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/system/ScratchFolder.h"

using platform::system::FileClose;
using platform::system::FileExists;
using platform::system::FileOpen;
using platform::system::FileRead;
using platform::system::FileSeek;
using platform::system::FileTruncate;
using platform::system::FileWrite;
using platform::system::fmOpenRead;
using platform::system::fmOpenReadWrite;

namespace {

TEST(FileExists, TellsFilesFromFoldersAndMissingPaths) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {1, 2, 3});
  std::filesystem::create_directory(folder.Path("x.dgr"));
  struct Case {
    std::string path;
    bool exists;
  };
  for (const Case& c : std::vector<Case>{{file, true}, {folder.Path("x.dgr"), false}, {folder.Path("none.dgr"), false}, {"", false}}) {
    EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
  }
}

TEST(FileOpen, FailsForFoldersMissingFilesAndUnknownModes) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {1});
  std::filesystem::create_directory(folder.Path("x.dgr"));
  struct Case {
    std::string path;
    int mode;
  };
  for (const Case& c : std::vector<Case>{{folder.Path("x.dgr"), fmOpenRead},
                                         {folder.Path("x.dgr"), fmOpenReadWrite},
                                         {folder.Path("none.dgr"), fmOpenRead},
                                         {file, 1},
                                         {file, 7}}) {
    EXPECT_LE(FileOpen(c.path, c.mode), 0) << c.path << " mode " << c.mode;
  }
}

TEST(FileOpen, IsExclusiveWithinTheProcess) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {1, 2});
  for (int first : {fmOpenRead, fmOpenReadWrite}) {
    for (int second : {fmOpenRead, fmOpenReadWrite}) {
      int handle = FileOpen(file, first);
      ASSERT_GT(handle, 0);
      EXPECT_LE(FileOpen(file, second), 0) << first << " then " << second;
      FileClose(handle);
      int again = FileOpen(file, second);
      EXPECT_GT(again, 0) << "after close, mode " << second;
      FileClose(again);
    }
  }
}

// Whether a child process can open path with mode while this process does what it does.
bool ChildCanOpen(const std::string& path, int mode) {
  pid_t child = ::fork();
  if (child == 0) {
    int handle = FileOpen(path, mode);
    ::_exit(handle > 0 ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(FileOpen, IsExclusiveAcrossProcesses) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {1, 2});
  int handle = FileOpen(file, fmOpenRead);
  ASSERT_GT(handle, 0);
  EXPECT_FALSE(ChildCanOpen(file, fmOpenRead));
  EXPECT_FALSE(ChildCanOpen(file, fmOpenReadWrite));
  FileClose(handle);
  EXPECT_TRUE(ChildCanOpen(file, fmOpenReadWrite));
}

TEST(FileOpen, HandleIsNotInheritedByPrograms) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {1});
  int handle = FileOpen(file, fmOpenRead);
  ASSERT_GT(handle, 0);
  EXPECT_NE(::fcntl(handle, F_GETFD) & FD_CLOEXEC, 0);
  FileClose(handle);
}

TEST(FileRoutines, SeekReadWriteAndTruncate) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {10, 11, 12, 13, 14, 15});
  int handle = FileOpen(file, fmOpenReadWrite);
  ASSERT_GT(handle, 0);
  EXPECT_EQ(FileSeek(handle, 0, 2), 6);
  EXPECT_EQ(FileSeek(handle, 2, 0), 2);
  EXPECT_EQ(FileSeek(handle, 1, 1), 3);
  EXPECT_EQ(FileSeek(handle, -1, 2), 5);
  EXPECT_EQ(FileSeek(handle, -10, 0), -1);
  EXPECT_EQ(FileSeek(handle, 0, 3), -1);

  std::uint8_t buffer[8] = {};
  EXPECT_EQ(FileSeek(handle, 4, 0), 4);
  EXPECT_EQ(FileRead(handle, buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[0], 14);
  EXPECT_EQ(buffer[1], 15);
  EXPECT_EQ(FileRead(handle, buffer, sizeof buffer), 0);

  const std::uint8_t text[] = {'a', 'b'};
  EXPECT_EQ(FileSeek(handle, 1, 0), 1);
  EXPECT_EQ(FileWrite(handle, text, sizeof text), 2);
  EXPECT_TRUE(FileTruncate(handle));
  FileClose(handle);
  EXPECT_EQ(ReadAllBytes(file), (std::vector<std::uint8_t>{10, 'a', 'b'}));
}

TEST(FileRoutines, OffsetsBeyondFourGigabytes) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {1});
  int handle = FileOpen(file, fmOpenReadWrite);
  ASSERT_GT(handle, 0);
  const std::int64_t far = std::int64_t{5} << 30;
  EXPECT_EQ(FileSeek(handle, far, 0), far);
  EXPECT_EQ(FileSeek(handle, 1, 1), far + 1);
  std::uint8_t byte = 0;
  EXPECT_EQ(FileRead(handle, &byte, 1), 0);
  FileClose(handle);
}

TEST(FileRoutines, ReadOnlyHandleRefusesWrites) {
  ScratchFolder folder;
  std::string file = folder.Write("a.dgr", {1, 2});
  int handle = FileOpen(file, fmOpenRead);
  ASSERT_GT(handle, 0);
  const std::uint8_t byte = 9;
  EXPECT_EQ(FileWrite(handle, &byte, 1), -1);
  FileClose(handle);
  EXPECT_EQ(ReadAllBytes(file), (std::vector<std::uint8_t>{1, 2}));
}

}  // namespace
