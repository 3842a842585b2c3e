#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/system/FolderSearch.h"
#include "platform/system/ScratchFolder.h"

using platform::system::FindClose;
using platform::system::FindFirst;
using platform::system::FindNext;
using platform::system::TSearchRec;
using platform::system::faAnyFile;
using platform::system::faDirectory;
using platform::system::faHidden;

namespace {

// Every name FindFirst/FindNext deliver for pattern, or nothing when FindFirst fails.
std::vector<std::string> Enumerate(const std::string& pattern, int attributes, int* firstResult = nullptr) {
  std::vector<std::string> names;
  TSearchRec record;
  int result = FindFirst(pattern, attributes, record);
  if (firstResult != nullptr) {
    *firstResult = result;
  }
  while (result == 0) {
    names.push_back(record.Name);
    result = FindNext(record);
  }
  FindClose(record);
  return names;
}

class FolderSearchTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* name : {"b.DGR", "a.dgr", "C.Dgr", "_z.dgr", "notes.txt", "a.dgr.bak", ".h.dgr", "dgr"}) {
      folder.Write(name, {1, 2, 3});
    }
    std::filesystem::create_directory(folder.Path("x.dgr"));
    std::filesystem::create_directory(folder.Path("sub"));
  }

  ScratchFolder folder;
};

struct SearchCase {
  std::string namePattern;
  int attributes;
  std::vector<std::string> expected;
};

TEST_F(FolderSearchTest, ListsMatchingEntriesSortedByUpperCasedName) {
  const std::vector<SearchCase> cases = {
      // Upper-cased, "_" (0x5F) sorts after the letters; sub-folders and hidden entries admitted.
      {"*.dgr", faAnyFile, {".h.dgr", "a.dgr", "b.DGR", "C.Dgr", "x.dgr", "_z.dgr"}},
      {"*.DGR", faAnyFile, {".h.dgr", "a.dgr", "b.DGR", "C.Dgr", "x.dgr", "_z.dgr"}},
      {"*.dgr", 0, {"a.dgr", "b.DGR", "C.Dgr", "_z.dgr"}},
      {"*.dgr", faDirectory, {"a.dgr", "b.DGR", "C.Dgr", "x.dgr", "_z.dgr"}},
      {"*.dgr", faHidden, {".h.dgr", "a.dgr", "b.DGR", "C.Dgr", "_z.dgr"}},
      {"?.dgr", faAnyFile, {"a.dgr", "b.DGR", "C.Dgr", "x.dgr"}},
      {"*.bak", faAnyFile, {"a.dgr.bak"}},
      {"*", faAnyFile, {".h.dgr", "a.dgr", "a.dgr.bak", "b.DGR", "C.Dgr", "dgr", "notes.txt", "sub", "x.dgr", "_z.dgr"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.namePattern + " attributes " + std::to_string(c.attributes));
    EXPECT_EQ(Enumerate(folder.Path(c.namePattern), c.attributes), c.expected);
  }
}

TEST_F(FolderSearchTest, NothingFoundGivesNonZero) {
  const std::vector<std::string> patterns = {folder.Path("*.pdf"), folder.Path("missing/*.dgr"),
                                             "/no/such/folder/at/all/*.dgr"};
  for (const auto& pattern : patterns) {
    SCOPED_TRACE(pattern);
    int first = 0;
    EXPECT_TRUE(Enumerate(pattern, faAnyFile, &first).empty());
    EXPECT_NE(first, 0);
  }
}

TEST_F(FolderSearchTest, RecordCarriesSizeAndAttributes) {
  TSearchRec record;
  ASSERT_EQ(FindFirst(folder.Path("*.dgr"), faAnyFile, record), 0);
  EXPECT_EQ(record.Name, ".h.dgr");
  EXPECT_EQ(record.Size, 3);
  EXPECT_EQ(record.Attr & faHidden, faHidden);
  while (record.Name != "x.dgr") {
    ASSERT_EQ(FindNext(record), 0);
  }
  EXPECT_EQ(record.Attr & faDirectory, faDirectory);
  ASSERT_EQ(FindNext(record), 0);
  EXPECT_NE(FindNext(record), 0);
  FindClose(record);
  EXPECT_NE(FindNext(record), 0);
}

TEST_F(FolderSearchTest, PatternWithoutFolderSearchesTheCurrentFolder) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path("."));
  const auto names = Enumerate("*.dgr", 0);
  std::filesystem::create_directory("rel");
  folder.Write("rel/r.DGR", {});
  const auto relative = Enumerate("rel/*.dgr", 0);
  std::filesystem::current_path(previous);
  EXPECT_EQ(names, (std::vector<std::string>{"a.dgr", "b.DGR", "C.Dgr", "_z.dgr"}));
  EXPECT_EQ(relative, (std::vector<std::string>{"r.DGR"}));
}

}  // namespace
