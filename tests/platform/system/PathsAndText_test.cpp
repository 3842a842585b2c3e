#include <gtest/gtest.h>

#include "platform/system/Paths.h"
#include "platform/system/Text.h"

using platform::system::ExtractFileName;
using platform::system::ExtractFilePath;
using platform::system::Pos;
using platform::system::UpperCase;

namespace {

TEST(Paths, SplitAtTheLastSlash) {
  struct Case {
    std::string path, name, folder;
  };
  for (const Case& c : std::vector<Case>{{"/data/site/a.dgr", "a.dgr", "/data/site/"},
                                         {"a.dgr", "a.dgr", ""},
                                         {"/a.dgr", "a.dgr", "/"},
                                         {"dir/", "", "dir/"},
                                         {"", "", ""},
                                         {"C:\\x\\b.dgr", "C:\\x\\b.dgr", ""}}) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
  }
}

TEST(Text, UpperCaseChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase("file.dgr"), "FILE.DGR");
  EXPECT_EQ(UpperCase("Az{}@`z09"), "AZ{}@`Z09");
  EXPECT_EQ(UpperCase("файл.dgr"), "файл.DGR");
}

TEST(Text, PosIsOneBased) {
  struct Case {
    std::string sub, s;
    std::size_t position;
  };
  for (const Case& c : std::vector<Case>{{".DGR", "A.DGR", 2},
                                         {".DGR", ".DGR.DGR", 1},
                                         {".DGR", "A.DG", 0},
                                         {"", "ABC", 0},
                                         {"*", "Comment *", 9}}) {
    EXPECT_EQ(Pos(c.sub, c.s), c.position) << c.sub << " in " << c.s;
  }
}

}  // namespace
