#include <filesystem>

#include "AppFixture.h"

using platform::forms::IDNO;
using platform::forms::VK_LEFT;
using platform::forms::VK_NEXT;
using platform::forms::VK_PRIOR;
using platform::forms::VK_RIGHT;

namespace {

class BrowseTest : public AppTest {
protected:
  // Files of distinct segment counts, so the shown one can be told by its count.
  std::string File(const std::string& name, int segments) { return Write(name, Diagram(segments, 0, "x")); }
  static void Next() { MForm->sbNext->UserClick(); }
  static void Prev() { MForm->sbPrev->UserClick(); }
  static std::string Shown() { return MForm->Caption(); }
  static std::string CaptionOf(const std::string& name) { return "ДИАГРАММА ДАТЧИКА : " + name; }
};

TEST_F(BrowseTest, StepsThroughTheFolderInNameOrderWithWrapAround) {
  File("a.dgr", 10);
  const std::string b = File("B.dgr", 20);
  File("c.DGR", 30);
  File("notes.txt", 40);
  Start();
  Open(b);
  EXPECT_EQ(MForm->FileList().size(), 3u);
  EXPECT_EQ(MForm->CurrentIndex(), 1);
  Next();
  EXPECT_EQ(Shown(), CaptionOf("c.DGR"));
  Next();
  EXPECT_EQ(Shown(), CaptionOf("a.dgr"));
  EXPECT_EQ(MForm->CurrentFile(), folder.Path("a.dgr"));
  Prev();
  EXPECT_EQ(Shown(), CaptionOf("c.DGR"));
  Prev();
  EXPECT_EQ(Shown(), CaptionOf("B.dgr"));
}

TEST_F(BrowseTest, SingleFileShowsItselfAgainAfterThePendingCommentStep) {
  const std::string a = File("a.dgr", 10);
  Start();
  Open(a);
  Type("y");
  Next();
  EXPECT_EQ(Shown(), CaptionOf("a.dgr"));
  EXPECT_EQ(CommentArea(a, 64, 10), Bytes("xy"));
  EXPECT_EQ(CForm->mCmt->Text(), "xy");
}

TEST_F(BrowseTest, VanishedFilesAndSubFoldersAreSteppedOnButNotShown) {
  const std::string a = File("a.dgr", 10);
  const std::string b = File("b.dgr", 20);
  File("d.dgr", 40);
  std::filesystem::create_directory(folder.Path("c.dgr"));
  Start();
  Open(a);
  ASSERT_EQ(MForm->FileList().size(), 4u);
  std::filesystem::remove(b);
  Next();
  EXPECT_EQ(MForm->CurrentIndex(), 1);
  EXPECT_EQ(Shown(), CaptionOf("a.dgr"));
  EXPECT_EQ(MForm->CurrentFile(), a);
  Next();
  EXPECT_EQ(MForm->CurrentIndex(), 2);
  EXPECT_EQ(Shown(), CaptionOf("a.dgr"));
  Next();
  EXPECT_EQ(Shown(), CaptionOf("d.dgr"));
}

TEST_F(BrowseTest, AnUnmatchedNameKeepsTheIndexWhichWrapsFromOutsideTheList) {
  std::filesystem::create_directory(folder.Path("big"));
  std::filesystem::create_directory(folder.Path("small"));
  for (int i = 0; i < 10; ++i) File("big/f" + std::to_string(i) + ".dgr", 10 + i);
  for (int i = 0; i < 3; ++i) File("small/g" + std::to_string(i) + ".dgr", 50 + i);
  Start();
  Open(folder.Path("big/f7.dgr"));
  ASSERT_EQ(MForm->CurrentIndex(), 7);

  // The name differs from the listed one in letter case only: no entry matches.
  Open(folder.Path("small/G1.dgr"));
  EXPECT_EQ(MForm->FileList().size(), 3u);
  EXPECT_EQ(MForm->CurrentIndex(), 7);
  EXPECT_TRUE(MForm->sbNext->Enabled());
  Next();
  EXPECT_EQ(MForm->CurrentIndex(), 0);
  EXPECT_EQ(Shown(), CaptionOf("g0.dgr"));

  Open(folder.Path("big/f7.dgr"));
  Open(folder.Path("small/missing.dgr"));
  Prev();
  EXPECT_EQ(MForm->CurrentIndex(), 0);
  EXPECT_EQ(Shown(), CaptionOf("g0.dgr"));
}

TEST_F(BrowseTest, AFolderWithoutDiagramsLeavesSteppingDisabled) {
  std::filesystem::create_directory(folder.Path("empty"));
  const std::string a = File("a.dgr", 10);
  Start();
  Open(a);
  Open(folder.Path("empty/none.dgr"));
  EXPECT_FALSE(MForm->sbNext->Enabled());
  EXPECT_FALSE(MForm->sbPrev->Enabled());
  Next();
  EXPECT_EQ(Shown(), CaptionOf("a.dgr"));
}

TEST_F(BrowseTest, UnsavedCommentIsAskedAboutFirstAndNoStillSteps) {
  const std::string a = File("a.dgr", 10);
  File("b.dgr", 20);
  Start();
  Open(a);
  CForm->cbSave->SetChecked(false);
  Type("y");
  Headless().AnswerNextQuestion(IDNO);
  Next();
  EXPECT_EQ(Headless().Questions().size(), 1u);
  EXPECT_EQ(Shown(), CaptionOf("b.dgr"));
  EXPECT_EQ(CommentArea(a, 64, 10), Bytes("x"));
}

TEST_F(BrowseTest, ArrowAndPageKeysStepLikeTheButtons) {
  File("a.dgr", 10);
  const std::string b = File("b.dgr", 20);
  File("c.dgr", 30);
  Start();
  MForm->UserKeyDown(VK_RIGHT);
  EXPECT_EQ(Shown(), "ДИАГРАММА ДАТЧИКА");
  Open(b);
  MForm->UserKeyDown(VK_RIGHT);
  EXPECT_EQ(Shown(), CaptionOf("c.dgr"));
  MForm->UserKeyDown(VK_NEXT);
  EXPECT_EQ(Shown(), CaptionOf("a.dgr"));
  MForm->UserKeyDown(VK_LEFT);
  EXPECT_EQ(Shown(), CaptionOf("c.dgr"));
  MForm->UserKeyDown(VK_PRIOR);
  EXPECT_EQ(Shown(), CaptionOf("b.dgr"));
}

}  // namespace
