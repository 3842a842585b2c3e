#include "AppFixture.h"

using dgr::RunDiagramViewer;
using platform::forms::TSpeedButton;

namespace {

TEST_F(AppTest, StartsCentredWithTheDesignedStateAndNothingOpen) {
  Start();
  ASSERT_NE(MForm, nullptr);
  ASSERT_NE(CForm, nullptr);
  EXPECT_TRUE(MForm->Visible());
  EXPECT_EQ(MForm->Width(), 717);
  EXPECT_EQ(MForm->ClientWidth(), 711);
  EXPECT_EQ(MForm->ClientHeight(), 498);
  EXPECT_EQ(MForm->Left(), (1280 - 717) / 2);
  EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА");
  EXPECT_TRUE(MForm->rbAZS->Checked());
  EXPECT_FALSE(MForm->rbNB->Checked());
  EXPECT_EQ(MForm->cbZoom->Text(), "х1");
  for (TSpeedButton* button : {MForm->SpeedButton2, MForm->SpeedButton3, MForm->SpeedButton4})
    EXPECT_TRUE(button->Down()) << button->Name();
  EXPECT_FALSE(MForm->sbPrev->Enabled());
  EXPECT_FALSE(MForm->sbNext->Enabled());
  EXPECT_FALSE(MForm->sbComent->Down());
  EXPECT_FALSE(MForm->pShift->Visible());
  EXPECT_FALSE(MForm->stRFLvl->Visible());
  EXPECT_EQ(MForm->CurrentFile(), "");
  EXPECT_FALSE(MForm->Tmr->Enabled());

  EXPECT_EQ(MForm->imBlank->Width(), 697);
  EXPECT_EQ(MForm->HomeLeft(), 2);
  EXPECT_EQ(MForm->Zoom(), 1);
  EXPECT_EQ(MForm->Geometry().Stretch, 1);

  // The comment window stands hidden at the diagram window's right edge.
  EXPECT_FALSE(CForm->Visible());
  EXPECT_EQ(CForm->Left(), MForm->Left() + MForm->Width());
  EXPECT_EQ(CForm->Top(), MForm->Top());
  EXPECT_EQ(CForm->Height(), MForm->Height());
  EXPECT_EQ(CForm->Width(), 367);
  EXPECT_EQ(CForm->Caption(), "Коментарии");
  EXPECT_TRUE(CForm->cbSave->Checked());
  EXPECT_EQ(CForm->mCmt->Text(), "");
}

struct CommandLineCase {
  const char* name;
  std::vector<std::string> arguments;  // "@" stands for the scratch folder
  std::string opened;                  // "" when nothing is opened
};

class CommandLineTest : public AppTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineTest, OpensTheFirstArgumentNamingADiagram200msAfterStart) {
  const std::string base = folder.Path("");
  Write("tank7.Dgr", Diagram(100));
  Write("b.dgr", Diagram(100));
  std::vector<std::string> arguments;
  for (std::string argument : GetParam().arguments) {
    if (argument.starts_with("@")) argument = base + argument.substr(1);
    arguments.push_back(argument);
  }
  Start(arguments);

  const std::string expected = GetParam().opened.empty() ? "" : base + GetParam().opened;
  EXPECT_EQ(MForm->CurrentFile(), expected);
  Headless().Advance(199);
  EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА");
  Headless().Advance(1);
  if (expected.empty()) {
    EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА");
    EXPECT_FALSE(MForm->sbNext->Enabled());
  } else {
    EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА : " + GetParam().opened);
    EXPECT_EQ(MForm->SegmentCount(), 100);
    EXPECT_TRUE(MForm->sbNext->Enabled());
    EXPECT_EQ(MForm->FileList().size(), 2u);
  }
  EXPECT_FALSE(MForm->Tmr->Enabled());
  Headless().Advance(1000);
  EXPECT_EQ(MForm->SegmentCount(), expected.empty() ? 0 : 100);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(CommandLineCase{"None", {}, ""},
                      CommandLineCase{"TextThenDiagram", {"a.txt", "@tank7.Dgr"}, "tank7.Dgr"},
                      CommandLineCase{"TwoDiagrams", {"@b.dgr", "@tank7.Dgr"}, "b.dgr"},
                      // The program's own path contains ".dgr" (a folder dgrview.dgr) but is not
                      // a diagram: it is never taken.
                      CommandLineCase{"OnlyNonDiagrams", {"notes.txt"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, ArgumentContainingDgrAnywhereIsTakenAndAMissingFileShowsNothing) {
  Write("a.dgr", Diagram(100));
  Start({folder.Path("notes.dgr.bak")});
  EXPECT_EQ(MForm->CurrentFile(), folder.Path("notes.dgr.bak"));
  Headless().Advance(200);
  EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА");
  EXPECT_EQ(MForm->SegmentCount(), 0);
  // Its folder holds a diagram file, so stepping is possible all the same.
  EXPECT_TRUE(MForm->sbNext->Enabled());
  EXPECT_TRUE(Headless().Errors().empty());
}

TEST_F(AppTest, OpenDialogCancelledKeepsTheShownFileAndLeavesSteppingDisabled) {
  const std::string path = Write("a.dgr", Diagram(100));
  Start();
  Open(path);
  ASSERT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА : a.dgr");
  ASSERT_TRUE(MForm->sbNext->Enabled());

  Headless().CancelNextDialog();
  MForm->sbFOpen->UserClick();
  EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА : a.dgr");
  EXPECT_EQ(MForm->CurrentFile(), path);
  EXPECT_FALSE(MForm->sbPrev->Enabled());
  EXPECT_FALSE(MForm->sbNext->Enabled());
  ASSERT_EQ(Headless().DialogRuns().size(), 2u);
  EXPECT_EQ(Headless().DialogRuns()[0].Filter, "Diagr.Files(*.dgr)|*.dgr");
}

TEST_F(AppTest, ExitMenuItemClosesThroughTheSamePathAsTheCloseButton) {
  const std::string path = Write("a.dgr", Diagram(100, 0, "abc"));
  Start();
  Open(path);
  Type("d");
  MForm->miExit->UserClick();
  EXPECT_TRUE(Application->Terminated());
  // The close query ran the pending-comment step.
  EXPECT_EQ(CommentArea(path, 64, 100), Bytes("abcd"));
}

TEST_F(AppTest, ProgramEntryRunsUntilTheDiagramWindowCloses) {
  Headless().WhileRunning([] { MForm->UserClose(); });
  std::vector<const char*> argv{"/opt/dgrview"};
  SetCommandLine(1, argv.data());
  EXPECT_EQ(RunDiagramViewer(), 0);
  EXPECT_EQ(MForm, nullptr);
  EXPECT_EQ(CForm, nullptr);
}

}  // namespace
