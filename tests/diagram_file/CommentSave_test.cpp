#include "diagram_file/CommentSave.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "diagram_file/ByteEdits.h"
#include "platform/system/Files.h"
#include "platform/system/ScratchFolder.h"

namespace {

using dgr::CommentSaveStatus;
using dgr::CommentWriteStatus;
using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::fmOpenRead;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A 10-segment file with a 64-byte header: its comment area starts at 94.
class CommentSaveTest : public testing::Test {
protected:
  std::string File(const std::string& comment) {
    return folder.Write("a.dgr", EncodeDiagramFile(SampleDiagram(10, 64, comment, 5)));
  }
  std::vector<std::uint8_t> Area(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadAllBytes(path);
    return {bytes.begin() + 94, bytes.end()};
  }
  ScratchFolder folder;
};

TEST_F(CommentSaveTest, SavesTheTrimmedCrLfText) {
  const std::string path = File("old");
  const dgr::CommentSaveResult result = dgr::SaveComment({path}, "  new\nline \n");
  EXPECT_TRUE(result.Saved());
  EXPECT_EQ(dgr::CommentSaveReason(result), "written");
  EXPECT_EQ(Area(path), Bytes("new\r\nline"));
}

TEST_F(CommentSaveTest, FailuresSayWhyAndWriteNothing) {
  const std::string path = File("old");
  const std::vector<std::uint8_t> before = ReadAllBytes(path);
  std::filesystem::create_directory(folder.Path("dir.dgr"));
  struct Case {
    const char* what;
    std::string path;
    std::string text;
    CommentSaveStatus status;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"unencodable", path, "ok \xE4\xB8\xAD", CommentSaveStatus::Unencodable,
       "the text holds U+4E2D, which Windows-1251 cannot hold; nothing written"},
      {"folder", folder.Path("dir.dgr"), "t", CommentSaveStatus::Folder, "is a folder"},
      {"missing", folder.Path("none.dgr"), "t", CommentSaveStatus::NotWritten, "no such file"},
  };
  for (const Case& c : cases) {
    const dgr::CommentSaveResult result = dgr::SaveComment({c.path}, c.text);
    EXPECT_EQ(result.Status, c.status) << c.what;
    EXPECT_FALSE(result.Saved()) << c.what;
    EXPECT_EQ(dgr::CommentSaveReason(result), c.reason) << c.what;
  }
  EXPECT_EQ(ReadAllBytes(path), before);

  // A file held open elsewhere refuses the rewrite, and the result names the write's reason.
  const int handle = FileOpen(path, fmOpenRead);
  ASSERT_GT(handle, 0);
  const dgr::CommentSaveResult held = dgr::SaveComment({path}, "t");
  FileClose(handle);
  EXPECT_EQ(held.Status, CommentSaveStatus::NotWritten);
  EXPECT_EQ(held.Write, CommentWriteStatus::CannotOpen);
  EXPECT_EQ(ReadAllBytes(path), before);
}

// The pending-comment step: when it asks, and whether it saves, by the window's state.
TEST_F(CommentSaveTest, PendingStepAsksOnlyWhenItMustAndSavesUnlessTheAnswerIsNo) {
  struct Case {
    const char* what;
    bool modified;
    bool alwaysSave;
    bool fileExists;
    bool answer;
    int questions;
    bool saved;
  };
  const std::vector<Case> cases = {
      {"unmodified", false, true, true, true, 0, false},
      {"unmodified, asking", false, false, true, true, 0, false},
      {"always save", true, true, true, false, 0, true},
      {"asked, yes", true, false, true, true, 1, true},
      {"asked, no", true, false, true, false, 1, false},
      {"file gone: no question", true, false, false, true, 0, false},
      {"file gone, always save: tried and failed", true, true, false, true, 0, false},
  };
  for (const Case& c : cases) {
    const std::string path = c.fileExists ? File("old") : folder.Path("gone.dgr");
    int questions = 0;
    const std::optional<dgr::CommentSaveResult> result = dgr::SavePendingComment(
        {.Modified = c.modified, .AlwaysSave = c.alwaysSave, .Text = "typed"}, {path}, [&] {
          ++questions;
          return c.answer;
        });
    EXPECT_EQ(questions, c.questions) << c.what;
    EXPECT_EQ(result && result->Saved(), c.saved) << c.what;
    if (c.fileExists) {
      EXPECT_EQ(Area(path), c.saved ? Bytes("typed") : Bytes("old")) << c.what;
    }
  }
}

TEST_F(CommentSaveTest, PendingStepReportsAFailedSave) {
  const std::optional<dgr::CommentSaveResult> result = dgr::SavePendingComment(
      {.Modified = true, .AlwaysSave = true, .Text = "t"}, {folder.Path("gone.dgr")}, [] { return true; });
  ASSERT_TRUE(result);
  EXPECT_EQ(result->Write, CommentWriteStatus::Missing);
}

}  // namespace
