#include <sstream>
#include <string>

#include "platform/fltk/FltkFixture.h"
#include "platform/fltk/RunTool.h"

using platform::forms::IDNO;
using platform::forms::IDYES;
using platform::forms::MB_ICONQUESTION;
using platform::forms::MB_YESNO;
using platform::forms::MessageBoxA;

namespace {

struct AnswerCase {
  const char* name;
  int buttonOffset;  // from the box's centre to the centre of the button clicked
  int expected;
};

class MessageBoxTest : public FltkTest, public testing::WithParamInterface<AnswerCase> {
protected:
  // Clicks beside the centre of the only dgrview window (the box), on its button row.
  static void ClickButton(void* data) {
    const int offset = *static_cast<int*>(data);
    std::string ids;
    try {
      ids = RunTool({"xdotool", "search", "--onlyvisible", "--class", "dgrview"});
    } catch (const std::runtime_error&) {
      Fl::repeat_timeout(0.05, ClickButton, data);
      return;
    }
    std::istringstream geometry(RunTool({"xdotool", "getwindowgeometry", "--shell", ids.substr(0, ids.find('\n'))}));
    int x = 0, y = 0, w = 0, h = 0;
    for (std::string line; std::getline(geometry, line);) {
      const auto value = line.substr(line.find('=') + 1);
      if (line.starts_with("X=")) x = std::stoi(value);
      if (line.starts_with("Y=")) y = std::stoi(value);
      if (line.starts_with("WIDTH=")) w = std::stoi(value);
      if (line.starts_with("HEIGHT=")) h = std::stoi(value);
    }
    RunTool({"xdotool", "mousemove", std::to_string(x + w / 2 + offset), std::to_string(y + h - 24), "click", "1"});
  }
};

TEST_P(MessageBoxTest, YesNoQuestionAnswersWithTheButtonClicked) {
  int offset = GetParam().buttonOffset;
  Fl::add_timeout(0.1, ClickButton, &offset);
  const int answer = MessageBoxA(nullptr, "Коментарий изменён\nно не сохранён.\nСохранить?", "", MB_YESNO | MB_ICONQUESTION);
  Fl::remove_timeout(ClickButton, &offset);
  EXPECT_EQ(answer, GetParam().expected);
}

// Buttons 75 wide, 6 apart, centred: "Да" left of the centre, "Нет" right of it.
INSTANTIATE_TEST_SUITE_P(Answers, MessageBoxTest,
                         testing::Values(AnswerCase{"yes", -40, IDYES}, AnswerCase{"no", 40, IDNO}),
                         [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

}
