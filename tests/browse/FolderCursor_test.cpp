#include "browse/FolderCursor.h"

#include <gtest/gtest.h>

#include "platform/system/ScratchFolder.h"

namespace {

class FolderCursorTest : public testing::Test {
protected:
  FolderCursorTest() {
    for (const char* name : {"c.dgr", "a.dgr", "B.DGR", "notes.txt"}) folder.Write(name, {});
  }
  ScratchFolder folder;
};

TEST_F(FolderCursorTest, ListsTheFolderAndFindsTheFile) {
  dgr::FolderCursor cursor;
  cursor.List(folder.Path("B.DGR"));
  EXPECT_EQ(cursor.Paths(), (std::vector<std::string>{folder.Path("a.dgr"), folder.Path("B.DGR"), folder.Path("c.dgr")}));
  EXPECT_EQ(cursor.Index(), 1);
  EXPECT_FALSE(cursor.Empty());
}

TEST_F(FolderCursorTest, StepsWrapAroundAtBothEnds) {
  dgr::FolderCursor cursor;
  cursor.List(folder.Path("c.dgr"));
  EXPECT_EQ(cursor.Step(+1), folder.Path("a.dgr"));
  EXPECT_EQ(cursor.Index(), 0);
  EXPECT_EQ(cursor.Step(-1), folder.Path("c.dgr"));
  EXPECT_EQ(cursor.Step(-1), folder.Path("B.DGR"));
  EXPECT_EQ(cursor.Index(), 1);
}

// A file the list does not hold (here: named in another letter case) leaves the index where it
// was; so does a folder without diagram files, whose list is then empty.
TEST_F(FolderCursorTest, AFileOutsideTheListKeepsTheIndex) {
  dgr::FolderCursor cursor;
  cursor.List(folder.Path("c.dgr"));
  cursor.List(folder.Path("A.dgr"));
  EXPECT_EQ(cursor.Index(), 2);
  EXPECT_EQ(cursor.Paths().size(), 3u);

  ScratchFolder empty;
  cursor.List(empty.Path("x.dgr"));
  EXPECT_TRUE(cursor.Empty());
  EXPECT_EQ(cursor.Index(), 2);
  cursor.List(folder.Path("a.dgr"));
  cursor.Clear();
  EXPECT_TRUE(cursor.Empty());
}

}  // namespace
