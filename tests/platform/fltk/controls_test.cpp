#include <string>

#include "platform/fltk/FltkFixture.h"
#include "platform/fltk/RunTool.h"

using platform::forms::TForm;
using platform::forms::TMemo;
using platform::forms::TObject;
using platform::forms::TPanel;
using platform::forms::TTimer;
using enum platform::forms::TAlign;
using enum platform::forms::TFormBorderStyle;
using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;

namespace {

// A resizable tool window holding a memo above a bottom panel, like the comment window.
class EditorForm : public TForm {
public:
  EditorForm() {
    SetBorderStyle(bsSizeToolWin);
    SetLeft(200);
    SetTop(150);
    SetClientWidth(240);
    SetClientHeight(160);
    SetCaption("Коментарии");
    bottom = new TPanel(this);
    bottom->SetParent(this);
    bottom->SetHeight(33);
    bottom->SetAlign(alBottom);
    memo = new TMemo(this);
    memo->SetParent(this);
    memo->SetAlign(alClient);
    memo->AcceptChar = [](char32_t c) { return c != U'q'; };
    memo->OnChange = [this](TObject*) { ++changes; };
    OnResize = [this](TObject*) { ++resizes; };
    SetVisible(true);
  }
  TPanel* bottom;
  TMemo* memo;
  int changes = 0;
  int resizes = 0;
};

EditorForm* editorForm = nullptr;

class ControlsTest : public FltkTest {
protected:
  void SetUp() override {
    Application->CreateForm(editorForm);
    Settle();
  }
  static std::string WindowId() {
    const std::string ids = RunTool({"xdotool", "search", "--class", "dgrview"});
    return ids.substr(0, ids.find('\n'));
  }
};

TEST_F(ControlsTest, TypingReachesTheMemoWithoutRefusedCharactersAndProgramTextKeepsLineBreaks) {
  editorForm->memo->SetText("one\r\ntwo");
  Settle();
  const int changesBeforeTyping = editorForm->changes;
  const int x = editorForm->Left() + editorForm->Frame().Left + 100;
  const int y = editorForm->Top() + editorForm->Frame().Top + 60;
  RunTool({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"});
  Settle();
  RunTool({"xdotool", "key", "ctrl+End"});
  RunTool({"xdotool", "type", "--delay", "20", "qa q"});
  ASSERT_TRUE(RunUntil([] { return editorForm->memo->Text() == "one\r\ntwoa "; })) << editorForm->memo->Text();
  EXPECT_EQ(editorForm->changes, changesBeforeTyping + 2) << "one change per accepted character";
  RunTool({"xdotool", "key", "Return"});
  ASSERT_TRUE(RunUntil([] { return editorForm->memo->Text() == "one\r\ntwoa \r\n"; })) << editorForm->memo->Text();
}

TEST_F(ControlsTest, ResizingTheToolWindowResizesTheFormAndRealignsItsControls) {
  const int resizesBefore = editorForm->resizes;
  RunTool({"xdotool", "windowsize", WindowId(), "300", "200"});
  ASSERT_TRUE(RunUntil([] { return editorForm->ClientWidth() == 300 && editorForm->ClientHeight() == 200; }));
  EXPECT_GT(editorForm->resizes, resizesBefore);
  EXPECT_EQ(editorForm->bottom->Top(), 200 - 33);
  EXPECT_EQ(editorForm->memo->Height(), 200 - 33);
  Settle();
  const TBitmap shot = CaptureScreen(editorForm->Left() + editorForm->Frame().Left,
                                     editorForm->Top() + editorForm->Frame().Top + 200 - 33, 300, 33);
  EXPECT_EQ(shot.Pixel(0, 0), clBtnHighlight) << "the bottom panel's raised bevel follows the new size";
  EXPECT_EQ(shot.Pixel(299, 32), clBtnShadow);
}

TEST_F(ControlsTest, TimerTicksOnTheLoopUntilDisabled) {
  TTimer timer(nullptr);
  timer.SetInterval(30);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 3) timer.SetEnabled(false);
  };
  timer.SetEnabled(true);
  ASSERT_TRUE(RunUntil([&] { return ticks == 3; }));
  Settle(120);
  EXPECT_EQ(ticks, 3);
}

TEST_F(ControlsTest, ScreenSizeIsTheDisplays) {
  EXPECT_EQ(platform::forms::Screen->Width(), 1280);
  EXPECT_EQ(platform::forms::Screen->Height(), 1024);
}

}
