#include "diagram_file/ChangedFileSave.h"

#include <gtest/gtest.h>

#include "diagram_file/ByteEdits.h"
#include "platform/system/ScratchFolder.h"

using dgr::ChangedFileChoice;
using dgr::CommentWriteStatus;
using dgr::DiagramFile;
using dgr::DiagramFileReader;
using dgr::EncodeDiagramFile;
using dgr::ReadDiagramFile;
using dgr::ReadStatus;

namespace {


std::optional<dgr::FileIdentity> Loaded(const std::string& path) {
  DiagramFileReader reader(path);
  return reader.Identity();
}

TEST(SaveOverChanges, AsksOnlyWhenAnotherProgramChangedTheFile) {
  struct Case {
    const char* what;
    bool changed;
    ChangedFileChoice choice;
    int questions;
    CommentWriteStatus status;
    bool keptTheirs;
    const char* comment;  // afterwards
  };
  using enum CommentWriteStatus;
  const std::vector<Case> cases = {
      {"unchanged", false, ChangedFileChoice::KeepTheirs, 0, Written, false, "mine"},
      {"changed, overwrite", true, ChangedFileChoice::Overwrite, 1, Written, false, "mine"},
      {"changed, keep theirs", true, ChangedFileChoice::KeepTheirs, 1, Changed, true, "theirs"},
  };
  ScratchFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = folder.Write("a.dgr", EncodeDiagramFile(SampleDiagram(20, 64, "loaded", 1)));
    const std::optional<dgr::FileIdentity> loaded = Loaded(path);
    if (c.changed) WriteAllBytes(path, EncodeDiagramFile(SampleDiagram(20, 64, "theirs", 1)));
    int questions = 0;
    const std::string text = "mine";
    const dgr::ChangedFileSave save = dgr::SaveOverChanges(path, std::vector<std::uint8_t>(text.begin(), text.end()), loaded, [&] {
      ++questions;
      return c.choice;
    });
    EXPECT_EQ(questions, c.questions);
    EXPECT_EQ(save.Result.Status, c.status);
    EXPECT_EQ(save.KeptTheirs, c.keptTheirs);
    DiagramFile read;
    ASSERT_EQ(ReadDiagramFile(path, read), ReadStatus::Ok);
    EXPECT_EQ(std::string(read.Comment.begin(), read.Comment.end()), c.comment);
  }
}

}  // namespace
