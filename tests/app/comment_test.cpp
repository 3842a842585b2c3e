#include "AppFixture.h"
#include "platform/system/Files.h"

using platform::forms::IDNO;
using platform::forms::IDYES;
using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::fmOpenRead;

namespace {

constexpr const char* Question = "Коментарий изменён\nно не сохранён.\nСохранить?";

// Windows-1251 bytes of "Привет".
const std::vector<std::uint8_t> Privet{0xCF, 0xF0, 0xE8, 0xE2, 0xE5, 0xF2};

class CommentTest : public AppTest {
protected:
  // A 100-segment file with a 64-byte header and the given comment.
  std::string File(const std::string& name, const std::string& comment) {
    return Write(name, Diagram(100, 0, comment));
  }
  std::vector<std::uint8_t> Area(const std::string& path) { return CommentArea(path, 64, 100); }
};

TEST_F(CommentTest, LoadingACommentShowsTheWindowCleanWithoutTouchingTheButton) {
  const std::string path = File("a.dgr", "Привет\nмир");
  Start();
  Open(path);
  EXPECT_TRUE(CForm->Visible());
  EXPECT_EQ(CForm->mCmt->Text(), "Привет\r\nмир");
  EXPECT_EQ(CForm->Caption(), "Коментарии");
  EXPECT_FALSE(CForm->Modified());
  EXPECT_FALSE(MForm->sbComent->Down());

  // The next click only brings the button into line; the one after hides the window.
  MForm->sbComent->UserClick();
  EXPECT_TRUE(MForm->sbComent->Down());
  EXPECT_TRUE(CForm->Visible());
  MForm->sbComent->UserClick();
  EXPECT_FALSE(MForm->sbComent->Down());
  EXPECT_FALSE(CForm->Visible());
}

TEST_F(CommentTest, TypingMarksOnceAndSaveWritesTheTrimmedCrLfText) {
  const std::string path = File("a.dgr", "old comment that is longer");
  Start();
  Open(path);
  CForm->mCmt->UserEdit("  ");
  EXPECT_EQ(CForm->Caption(), "Коментарии*");
  Type("Привет\nмир\n\n");
  EXPECT_EQ(CForm->Caption(), "Коментарии*");
  EXPECT_TRUE(CForm->Modified());

  CForm->btSave->UserClick();
  std::vector<std::uint8_t> expected = Privet;
  for (std::uint8_t b : {0x0D, 0x0A, 0xEC, 0xE8, 0xF0}) expected.push_back(b);
  EXPECT_EQ(Area(path), expected);
  EXPECT_EQ(CForm->Caption(), "Коментарии");
  EXPECT_FALSE(CForm->Modified());
  EXPECT_EQ(CForm->mCmt->Text(), "  Привет\nмир\n\n");
}

TEST_F(CommentTest, SaveWithoutChangeWritesAndSpacesOnlyEmptyTheArea) {
  const std::string path = File("a.dgr", "abc");
  Start();
  Open(path);
  CForm->btSave->UserClick();
  EXPECT_EQ(Area(path), Bytes("abc"));
  CForm->mCmt->UserEdit(" \n \t\n");
  CForm->btSave->UserClick();
  EXPECT_TRUE(Area(path).empty());
  EXPECT_EQ(ReadAllBytes(path).size(), 64u + 300u);
  EXPECT_EQ(CForm->Caption(), "Коментарии");
}

TEST_F(CommentTest, WithoutAFileTheButtonSpringsBackAndSaveKeepsTheMarker) {
  Start();
  MForm->sbComent->UserClick();
  EXPECT_FALSE(MForm->sbComent->Down());
  EXPECT_FALSE(CForm->Visible());
  Type("x");
  CForm->btSave->UserClick();
  EXPECT_EQ(CForm->Caption(), "Коментарии*");
  EXPECT_TRUE(CForm->Modified());
}

struct HideCase {
  const char* name;
  bool alwaysSave;
  std::vector<int> answers;  // scripted answers to the questions, in order
  int questions;
  bool saved;
};

class HideTest : public CommentTest, public ::testing::WithParamInterface<HideCase> {};

TEST_P(HideTest, HidingAModifiedWindowSavesOrAsks) {
  const std::string path = File("a.dgr", "abc");
  Start();
  Open(path);
  CForm->cbSave->SetChecked(GetParam().alwaysSave);
  Type("d");
  for (int answer : GetParam().answers) Headless().AnswerNextQuestion(answer);
  MForm->sbComent->UserClick();  // into line with the shown window
  MForm->sbComent->UserClick();  // released: hides
  EXPECT_FALSE(CForm->Visible());
  ASSERT_EQ(int(Headless().Questions().size()), GetParam().questions);
  for (const auto& question : Headless().Questions()) {
    EXPECT_EQ(question.Text, Question);
    EXPECT_EQ(question.Caption, "");
    EXPECT_EQ(question.Flags, 0x24u);
    EXPECT_EQ(question.Owner, nullptr);
  }
  EXPECT_EQ(Area(path), GetParam().saved ? Bytes("abcd") : Bytes("abc"));
  // No gives the edit up: the window holds the file's comment again.
  EXPECT_EQ(CForm->mCmt->Text(), GetParam().saved ? "abcd" : "abc");
  EXPECT_FALSE(CForm->Modified());
  EXPECT_EQ(CForm->Caption(), "Коментарии");
}

INSTANTIATE_TEST_SUITE_P(Flows, HideTest,
                         ::testing::Values(HideCase{"AlwaysSave", true, {}, 0, true},
                                           HideCase{"AskedYes", false, {IDYES}, 1, true},
                                           HideCase{"AskedNo", false, {IDNO}, 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommentTest, CloseButtonOfTheCommentWindowActsLikeReleasingTheButton) {
  const std::string path = File("a.dgr", "abc");
  Start();
  Open(path);
  MForm->sbComent->UserClick();
  ASSERT_TRUE(MForm->sbComent->Down());
  Type("d");
  CForm->UserClose();
  EXPECT_FALSE(CForm->Visible());
  EXPECT_FALSE(MForm->sbComent->Down());
  EXPECT_EQ(Area(path), Bytes("abcd"));
}

TEST_F(CommentTest, OpeningAnotherFileSavesIntoTheOldOneFirstOrAsksBeforeTheDialog) {
  const std::string a = File("a.dgr", "abc");
  const std::string b = File("b.dgr", "");
  Start();
  Open(a);
  Type("d");
  Open(b);
  EXPECT_EQ(Area(a), Bytes("abcd"));
  EXPECT_TRUE(Area(b).empty());

  Open(a);
  CForm->cbSave->SetChecked(false);
  Type("e");
  Headless().AnswerNextQuestion(IDYES);
  Headless().CancelNextDialog();
  MForm->sbFOpen->UserClick();
  EXPECT_EQ(Headless().Questions().size(), 1u);
  EXPECT_EQ(Area(a), Bytes("abcde"));
}

TEST_F(CommentTest, LoadingAFileWithoutCommentAsksOnceAndLeavesAnEmptyCleanEditor) {
  const std::string a = File("a.dgr", "abc");
  const std::string b = File("b.dgr", "");
  Start();
  Open(a);
  CForm->cbSave->SetChecked(false);
  Type("d");
  Headless().AnswerNextQuestion(IDNO);  // before leaving a.dgr
  Headless().AnswerNextQuestion(IDYES);
  Open(b);
  EXPECT_EQ(Headless().Questions().size(), 1u);
  EXPECT_FALSE(CForm->Visible());
  EXPECT_EQ(Area(a), Bytes("abc"));
  EXPECT_EQ(CForm->mCmt->Text(), "");
  EXPECT_FALSE(CForm->Modified());

  // Shown again for the new file, its save writes nothing of the other file's edit.
  MForm->sbComent->UserClick();
  EXPECT_TRUE(CForm->Visible());
  CForm->btSave->UserClick();
  EXPECT_TRUE(Area(b).empty());
}

TEST_F(CommentTest, ModeChangeRunsThePendingStepBeforeReloadingTheComment) {
  const std::string a = File("a.dgr", "abc");
  Start();
  Open(a);
  CForm->cbSave->SetChecked(false);
  Type("zzz");
  Headless().AnswerNextQuestion(IDNO);
  MForm->rbNB->UserClick();
  EXPECT_EQ(Headless().Questions().size(), 1u);
  EXPECT_EQ(CForm->mCmt->Text(), "abc");
  EXPECT_EQ(CForm->Caption(), "Коментарии");
  EXPECT_EQ(Area(a), Bytes("abc"));
}

TEST_F(CommentTest, CommentAreaStartingWithZeroShowsAnEmptyCleanWindow) {
  DiagramFile diagram = Diagram(100);
  diagram.Comment = {0, 'a', 'b'};
  const std::string path = Write("a.dgr", diagram);
  Start();
  Open(path);
  EXPECT_TRUE(CForm->Visible());
  EXPECT_EQ(CForm->mCmt->Text(), "");
  EXPECT_EQ(CForm->Caption(), "Коментарии");
}

TEST_F(CommentTest, ClosingWithTheWindowShownAsksOnce) {
  const std::string path = File("a.dgr", "abc");
  Start();
  Open(path);
  CForm->cbSave->SetChecked(false);
  Type("d");
  Headless().AnswerNextQuestion(IDNO);
  Headless().AnswerNextQuestion(IDNO);
  MForm->UserClose();
  EXPECT_EQ(Headless().Questions().size(), 1u);
  Application->DestroyForms();
  EXPECT_EQ(Headless().Questions().size(), 1u);
  EXPECT_EQ(Area(path), Bytes("abc"));
}

TEST_F(CommentTest, EditorRefusesCharactersTheFileCannotHold) {
  Start();
  Type("a€b中c😀");
  EXPECT_EQ(CForm->mCmt->Text(), "a€bc");
}

TEST_F(CommentTest, UnwritableFileKeepsTheMarker) {
  const std::string path = File("a.dgr", "abc");
  Start();
  Open(path);
  Type("d");
  const int handle = FileOpen(path, fmOpenRead);
  ASSERT_GT(handle, 0);
  CForm->btSave->UserClick();
  FileClose(handle);
  EXPECT_EQ(CForm->Caption(), "Коментарии*");
  EXPECT_EQ(Area(path), Bytes("abc"));
}

}  // namespace
