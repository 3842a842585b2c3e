#include <string>
#include <vector>

#include "platform/fltk/FltkFixture.h"
#include "platform/fltk/RunTool.h"

using platform::forms::TButton;
using platform::forms::TCheckBox;
using platform::forms::TControl;
using platform::forms::TForm;
using platform::forms::TObject;
using platform::forms::TRadioButton;
using platform::forms::TSpeedButton;
using enum platform::forms::TFormBorderStyle;

namespace {

// One control of each button kind in a row, each counting its clicks.
class ButtonsForm : public TForm {
public:
  ButtonsForm() {
    SetBorderStyle(bsSingle);
    SetLeft(100);
    SetTop(80);
    SetClientWidth(400);
    SetClientHeight(120);
    button = Place(new TButton(this), 0);
    button->OnClick = [this](TObject*) { ++clicks; };
    speedButton = Place(new TSpeedButton(this), 1);
    speedButton->OnClick = [this](TObject*) { ++clicks; };
    checkBox = Place(new TCheckBox(this), 2);
    checkBox->OnClick = [this](TObject*) { ++clicks; };
    radioButton = Place(new TRadioButton(this), 3);
    radioButton->OnClick = [this](TObject*) { ++clicks; };
    SetVisible(true);
  }
  TButton* button;
  TSpeedButton* speedButton;
  TCheckBox* checkBox;
  TRadioButton* radioButton;
  int clicks = 0;

private:
  template <class C>
  C* Place(C* control, int index) {
    control->SetParent(this);
    control->SetBounds(20 + 90 * index, 20, 70, 25);
    return control;
  }
};

ButtonsForm* buttonsForm = nullptr;

struct PressCase {
  const char* name;
  // Points of the press after pushing at the control's centre, relative to that centre; the
  // button is released at the last one.
  std::vector<std::pair<int, int>> moves;
  int clicks;
};

class PressTest : public FltkTest, public testing::WithParamInterface<PressCase> {
protected:
  void SetUp() override {
    Application->CreateForm(buttonsForm);
    Settle();
  }
};

// Each button kind clicks when released over itself, however the pointer went meanwhile.
TEST_P(PressTest, ClicksOnlyWhenReleasedOverTheControl) {
  const PressCase& c = GetParam();
  for (TControl* control : std::vector<TControl*>{buttonsForm->button, buttonsForm->speedButton,
                                                  buttonsForm->checkBox, buttonsForm->radioButton}) {
    const int x = buttonsForm->Left() + buttonsForm->Frame().Left + control->Left() + control->Width() / 2;
    const int y = buttonsForm->Top() + buttonsForm->Frame().Top + control->Top() + control->Height() / 2;
    std::vector<std::string> command{"xdotool", "mousemove", std::to_string(x), std::to_string(y), "mousedown", "1"};
    for (const auto& [dx, dy] : c.moves) {
      command.insert(command.end(), {"mousemove", std::to_string(x + dx), std::to_string(y + dy)});
    }
    command.insert(command.end(), {"mouseup", "1"});
    const int before = buttonsForm->clicks;
    RunTool(command);
    Settle();
    EXPECT_EQ(buttonsForm->clicks - before, c.clicks) << c.name << " on control " << control->Left();
  }
}

INSTANTIATE_TEST_SUITE_P(Buttons, PressTest,
                         testing::Values(PressCase{"in_place", {}, 1},
                                         PressCase{"moved_within", {{5, 3}}, 1},
                                         PressCase{"dragged_off", {{0, 60}}, 0},
                                         PressCase{"dragged_off_and_back", {{0, 60}, {2, 1}}, 1}),
                         [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.name); });

}  // namespace
