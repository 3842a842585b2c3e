#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/system/Files.h"
#include "platform/system/ScratchFolder.h"

using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::FileOpenProblem;
using platform::system::fmOpenRead;
using platform::system::fmOpenReadWrite;

namespace {

TEST(FileOpenProblem, NamesWhyAnOpenFailed) {
  ScratchFolder folder;
  const std::string held = folder.Write("held.dgr", {1});
  std::filesystem::create_directory(folder.Path("x.dgr"));
  ASSERT_EQ(::mkfifo(folder.Path("f.dgr").c_str(), 0644), 0);
  const int holder = FileOpen(held, fmOpenRead);
  ASSERT_GT(holder, 0);
  struct Case {
    std::string path;
    int mode;
    std::string problem;
  };
  for (const Case& c : std::vector<Case>{{folder.Path("none.dgr"), fmOpenRead, "No such file or directory"},
                                         {folder.Path("x.dgr"), fmOpenRead, "is a folder"},
                                         {folder.Path("x.dgr"), fmOpenReadWrite, "is a folder"},
                                         {folder.Path("f.dgr"), fmOpenRead, "not a regular file"},
                                         {"/dev/null", fmOpenReadWrite, "not a regular file"},
                                         {held, fmOpenReadWrite, "is open in this or another program"},
                                         {held + "/inner", fmOpenRead, "Not a directory"}}) {
    EXPECT_LE(FileOpen(c.path, c.mode), 0) << c.path;
    EXPECT_EQ(FileOpenProblem(), c.problem) << c.path;
  }
  FileClose(holder);
}

}  // namespace
