#include "FormsFixture.h"

using platform::forms::Exception;
using platform::forms::IDNO;
using platform::forms::IDYES;
using platform::forms::MB_ICONQUESTION;
using platform::forms::MB_OK;
using platform::forms::MB_YESNO;
using platform::forms::MessageBoxA;
using platform::forms::TForm;
using platform::forms::TImage;
using platform::forms::TMouseButton;
using platform::forms::TObject;
using platform::forms::TOpenDialog;
using platform::forms::TPanel;
using platform::forms::TShiftState;
using platform::forms::TTimer;
using platform::forms::ofEnableSizing;
using platform::forms::ofFileMustExist;
using platform::forms::ofHideReadOnly;
using platform::forms::ofReadOnly;
using platform::forms::ssLeft;
using enum platform::forms::TAlign;
using enum platform::forms::TBevelCut;
using enum platform::forms::TMouseButton;
using platform::graphics::TBitmap;
using platform::graphics::TColor;
using platform::graphics::clAqua;
using platform::graphics::clBlue;
using platform::graphics::clRed;

namespace {

class InputTest : public FormsTest {};

// A form with a bordered panel holding a picture layer and a mouse layer on top of it.
struct PlotForm {
  TForm form;
  TPanel* panel;
  TImage* picture;
  TImage* blank;
  std::vector<std::string> events;

  PlotForm() {
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBevelOuter(bvLowered);
    panel->SetBorderWidth(1);
    panel->SetBounds(4, 34, 204, 104);
    picture = new TImage(&form);
    picture->SetParent(panel);
    picture->SetBounds(2, 2, 200, 100);
    blank = new TImage(&form);
    blank->SetParent(panel);
    blank->SetAlign(alClient);
    blank->SetTransparent(true);
    blank->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
      Log("down", button == mbLeft ? "left" : "right", x, y);
    };
    blank->OnMouseMove = [this](TObject*, TShiftState shift, int x, int y) {
      Log("move", (shift & ssLeft) != 0 ? "left held" : "free", x, y);
    };
    blank->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int x, int y) { Log("up", "", x, y); };
  }
  void Log(const std::string& what, const std::string& detail, int x, int y) {
    events.push_back(what + " " + detail + " " + std::to_string(x) + "," + std::to_string(y));
  }
};

TEST_F(InputTest, ImageGetsMovesAndReleaseOutsideItWhileAButtonIsHeld) {
  PlotForm plot;
  struct MouseCase {
    const char* name;
    std::function<void()> action;
    std::vector<std::string> events;
  };
  // The mouse layer's origin lies at (6, 36) in the form's client area.
  const std::vector<MouseCase> cases = {
      {"free move inside", [&] { plot.form.UserMouseMove(16, 46); }, {"move free 10,10"}},
      {"free move outside", [&] { plot.form.UserMouseMove(300, 46); }, {}},
      {"press inside", [&] { plot.form.UserMouseDown(16, 46); }, {"down left 10,10"}},
      {"held move outside right", [&] { plot.form.UserMouseMove(300, 46); }, {"move left held 294,10"}},
      {"held move outside left", [&] { plot.form.UserMouseMove(0, 0); }, {"move left held -6,-36"}},
      {"release outside", [&] { plot.form.UserMouseUp(300, 200); }, {"up  294,164"}},
      {"after release outside", [&] { plot.form.UserMouseMove(300, 46); }, {}},
      {"right press", [&] { plot.form.UserMouseDown(7, 37, mbRight); }, {"down right 1,1"}},
      {"right release", [&] { plot.form.UserMouseUp(7, 37, mbRight); }, {"up  1,1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    plot.events.clear();
    c.action();
    EXPECT_EQ(plot.events, c.events);
  }
  EXPECT_EQ(Application->MouseCapture(), nullptr);
}

TEST_F(InputTest, DestroyingTheCapturingControlReleasesTheCapture) {
  PlotForm plot;
  plot.blank->MouseDown(1, 1);
  EXPECT_EQ(Application->MouseCapture(), plot.blank);
  delete plot.blank;
  EXPECT_EQ(Application->MouseCapture(), nullptr);
  EXPECT_EQ(plot.form.ControlAtPos(16, 46), plot.picture);
}

TEST_F(InputTest, TransparentImageShowsAllButItsBottomLeftColour) {
  PlotForm plot;
  TBitmap bitmap(4, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      bitmap.SetPixel(x, y, clAqua);
    }
  }
  bitmap.SetPixel(1, 1, clBlue);
  plot.picture->SetPicture(bitmap);
  bitmap.SetPixel(2, 2, clRed);
  EXPECT_EQ(plot.picture->Picture().Pixel(2, 2), clAqua);

  struct PixelCase {
    bool transparent;
    int x, y;
    std::optional<TColor> shown;
  };
  const std::vector<PixelCase> cases = {
      {false, 0, 0, clAqua}, {false, 1, 1, clBlue}, {true, 0, 0, std::nullopt}, {true, 1, 1, clBlue},
      {true, 4, 0, std::nullopt}, {false, -1, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + (c.transparent ? " transparent" : ""));
    plot.picture->SetTransparent(c.transparent);
    EXPECT_EQ(plot.picture->PixelShown(c.x, c.y), c.shown);
  }
  plot.picture->SetWidth(1);
  EXPECT_EQ(plot.picture->PixelShown(1, 1), std::nullopt);
}

TEST_F(InputTest, TimersFireOnTheFakeClock) {
  TForm form;
  auto* oneShot = new TTimer(&form);
  oneShot->SetEnabled(false);
  oneShot->SetInterval(200);
  auto* periodic = new TTimer(&form);
  periodic->SetInterval(150);
  std::vector<std::string> ticks;
  oneShot->OnTimer = [&](TObject* sender) {
    static_cast<TTimer*>(sender)->SetEnabled(false);
    ticks.push_back("one-shot at " + std::to_string(Headless().Now()));
  };
  periodic->OnTimer = [&](TObject*) { ticks.push_back("periodic at " + std::to_string(Headless().Now())); };

  Headless().Advance(100);
  oneShot->SetEnabled(true);
  EXPECT_TRUE(Headless().TimerRunning(*oneShot));
  Headless().Advance(199);
  EXPECT_EQ(ticks, (std::vector<std::string>{"periodic at 150"}));
  Headless().Advance(1);
  Headless().Advance(300);
  // Both fall due at 300: the timer started first ticks first.
  EXPECT_EQ(ticks, (std::vector<std::string>{"periodic at 150", "periodic at 300", "one-shot at 300",
                                             "periodic at 450", "periodic at 600"}));
  EXPECT_FALSE(Headless().TimerRunning(*oneShot));

  ticks.clear();
  periodic->SetInterval(1000);
  Headless().Advance(999);
  EXPECT_TRUE(ticks.empty());
  periodic->OnTimer = [](TObject*) { throw Exception("tick failed"); };
  Headless().Advance(2000);
  EXPECT_EQ(Headless().Errors(), (std::vector<std::string>{"tick failed", "tick failed"}));
  delete periodic;
  Headless().Advance(5000);
  EXPECT_EQ(Headless().Errors().size(), 2u);
}

TEST_F(InputTest, OpenDialogReturnsTheScriptedChoice) {
  TForm form;
  auto* dialog = new TOpenDialog(&form);
  dialog->SetFilter("Diagr.Files(*.dgr)|*.dgr");
  dialog->SetOptions(ofReadOnly | ofHideReadOnly | ofFileMustExist | ofEnableSizing);
  Headless().ChooseInNextDialog("/data/tank7.Dgr");
  Headless().CancelNextDialog();

  EXPECT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->FileName(), "/data/tank7.Dgr");
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->FileName(), "/data/tank7.Dgr");
  EXPECT_FALSE(dialog->Execute());
  ASSERT_EQ(Headless().DialogRuns().size(), 3u);
  EXPECT_EQ(Headless().DialogRuns()[0].FileName, "");
  EXPECT_EQ(Headless().DialogRuns()[1].FileName, "/data/tank7.Dgr");
  EXPECT_EQ(Headless().DialogRuns()[2].Filter, "Diagr.Files(*.dgr)|*.dgr");
  EXPECT_TRUE((Headless().DialogRuns()[2].Options & ofFileMustExist) != 0);
}

TEST_F(InputTest, QuestionsGetTheScriptedAnswersAndAreRecorded) {
  Headless().AnswerNextQuestion(IDNO);
  Headless().AnswerNextQuestion(IDYES);
  const std::string text = "Коментарий изменён\nно не сохранён.\nСохранить?";
  EXPECT_EQ(MessageBoxA(nullptr, text, "", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(MessageBoxA(nullptr, text, "", MB_YESNO | MB_ICONQUESTION), IDYES);
  Headless().DefaultAnswer = IDNO;
  EXPECT_EQ(MessageBoxA(nullptr, "again", "title", MB_OK), IDNO);
  ASSERT_EQ(Headless().Questions().size(), 3u);
  EXPECT_EQ(Headless().Questions()[0].Text, text);
  EXPECT_EQ(Headless().Questions()[0].Caption, "");
  EXPECT_EQ(Headless().Questions()[0].Flags, 0x24u);
  EXPECT_EQ(Headless().Questions()[2].Caption, "title");
}

}  // namespace
