#include "FormsFixture.h"

using platform::forms::Exception;
using platform::forms::TButton;
using platform::forms::TCheckBox;
using platform::forms::TComboBox;
using platform::forms::TForm;
using platform::forms::TMemo;
using platform::forms::TMenuItem;
using platform::forms::TObject;
using platform::forms::TPanel;
using platform::forms::TPopupMenu;
using platform::forms::TRadioButton;
using platform::forms::TScrollBar;
using platform::forms::TSpeedButton;
using platform::forms::TWinControl;
using enum platform::forms::TComboBoxStyle;

namespace {

class ControlsTest : public FormsTest {
protected:
  template <class T>
  T* Add(TWinControl* parent) {
    auto* control = new T(&form);
    control->SetParent(parent);
    return control;
  }
  TPanel* AddPanel() { return Add<TPanel>(&form); }

  TForm form;
};

struct SpeedButtonCase {
  const char* name;
  int groupIndex;
  bool allowAllUp;
  bool downBefore;
  bool enabled;
  bool downAfter;
  int clicks;
};

TEST_F(ControlsTest, SpeedButtonClickFlipsDownBeforeOnClick) {
  const std::vector<SpeedButtonCase> cases = {
      {"plain", 0, false, false, true, false, 1},
      {"toggle up", 1, true, false, true, true, 1},
      {"toggle down", 1, true, true, true, false, 1},
      {"group member stays down", 1, false, true, true, true, 1},
      {"disabled", 1, true, false, false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto* button = Add<TSpeedButton>(AddPanel());
    button->SetGroupIndex(c.groupIndex);
    button->SetAllowAllUp(c.allowAllUp);
    button->SetDown(c.downBefore);
    button->SetEnabled(c.enabled);
    std::vector<bool> seen;
    button->OnClick = [&seen](TObject* sender) { seen.push_back(static_cast<TSpeedButton*>(sender)->Down()); };
    button->UserClick();
    EXPECT_EQ(button->Down(), c.downAfter);
    ASSERT_EQ(int(seen.size()), c.clicks);
    if (c.clicks > 0) {
      EXPECT_EQ(seen[0], c.downAfter);
    }
  }
}

TEST_F(ControlsTest, SpeedButtonsGroupOnlyWithinTheirParent) {
  TPanel* toolGroup = AddPanel();
  TPanel* layerGroup = AddPanel();
  auto* comment = Add<TSpeedButton>(toolGroup);
  auto* first = Add<TSpeedButton>(layerGroup);
  auto* second = Add<TSpeedButton>(layerGroup);
  for (auto* button : {comment, first, second}) {
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
  }
  int clicks = 0;
  for (auto* button : {comment, first, second}) {
    button->OnClick = [&clicks](TObject*) { ++clicks; };
  }
  first->SetDown(true);
  comment->SetDown(true);
  EXPECT_TRUE(first->Down());
  EXPECT_EQ(clicks, 0);

  second->UserClick();
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  EXPECT_TRUE(comment->Down());
  EXPECT_EQ(clicks, 1);

  first->SetGroupIndex(2);
  first->SetDown(true);
  EXPECT_TRUE(second->Down());
}

TEST_F(ControlsTest, ComboBoxRunsOnChangeOnlyOnTheUsersChoice) {
  auto* combo = Add<TComboBox>(AddPanel());
  combo->SetStyle(csDropDownList);
  for (const char* item : {"х1", "х2", "х4"}) {
    combo->AddItem(item);
  }
  std::vector<int> changes;
  combo->OnChange = [&changes, combo](TObject*) { changes.push_back(combo->ItemIndex()); };

  struct ComboCase {
    const char* name;
    std::function<void()> action;
    int index;
    std::vector<int> changes;
  };
  const std::vector<ComboCase> cases = {
      {"program", [&] { combo->SetItemIndex(0); }, 0, {}},
      {"user", [&] { combo->UserSelect(2); }, 2, {2}},
      {"user same item", [&] { combo->UserSelect(2); }, 2, {2}},
      {"user outside", [&] { combo->UserSelect(3); }, 2, {}},
      {"program outside", [&] { combo->SetItemIndex(7); }, -1, {}},
      {"disabled", [&] { combo->SetEnabled(false); combo->UserSelect(1); }, -1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    changes.clear();
    c.action();
    EXPECT_EQ(combo->ItemIndex(), c.index);
    EXPECT_EQ(changes, c.changes);
  }
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "х2");
}

TEST_F(ControlsTest, RadioButtonsExcludeEachOtherWithinTheirParent) {
  TPanel* bar = AddPanel();
  auto* station = Add<TRadioButton>(bar);
  auto* depot = Add<TRadioButton>(bar);
  auto* elsewhere = Add<TRadioButton>(AddPanel());
  std::vector<std::string> clicks;
  station->OnClick = [&clicks](TObject*) { clicks.push_back("station"); };
  depot->OnClick = [&clicks](TObject*) { clicks.push_back("depot"); };
  elsewhere->SetChecked(true);
  station->SetChecked(true);
  clicks.clear();

  struct RadioCase {
    const char* name;
    std::function<void()> action;
    bool station, depot;
    std::vector<std::string> clicks;
  };
  const std::vector<RadioCase> cases = {
      {"check other from code", [&] { depot->SetChecked(true); }, false, true, {"depot"}},
      {"check checked from code", [&] { depot->SetChecked(true); }, false, true, {}},
      {"user clicks checked", [&] { depot->UserClick(); }, false, true, {}},
      {"user clicks unchecked", [&] { station->UserClick(); }, true, false, {"station"}},
      {"uncheck from code", [&] { station->SetChecked(false); }, false, false, {}},
      {"disabled", [&] { depot->SetEnabled(false); depot->UserClick(); }, false, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    clicks.clear();
    c.action();
    EXPECT_EQ(station->Checked(), c.station);
    EXPECT_EQ(depot->Checked(), c.depot);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_TRUE(elsewhere->Checked());
  }
}

TEST_F(ControlsTest, ScrollBarClampsAndReportsOnlyChanges) {
  auto* bar = Add<TScrollBar>(AddPanel());
  bar->SetParams(2, 1, 3);
  bar->SetPageSize(1);
  std::vector<int> changes;
  bar->OnChange = [&changes, bar](TObject*) { changes.push_back(bar->Position()); };

  struct ScrollCase {
    const char* name;
    std::function<void()> action;
    int position, max;
    std::vector<int> changes;
  };
  const std::vector<ScrollCase> cases = {
      {"to min", [&] { bar->SetPosition(1); }, 1, 3, {1}},
      {"same", [&] { bar->SetPosition(1); }, 1, 3, {}},
      {"above max", [&] { bar->SetPosition(9); }, 3, 3, {3}},
      {"below min", [&] { bar->SetPosition(-4); }, 1, 3, {1}},
      {"wider range keeps position", [&] { bar->SetMax(5); }, 1, 5, {}},
      {"user", [&] { bar->UserSetPosition(4); }, 4, 5, {4}},
      {"narrower range clamps", [&] { bar->SetMax(3); }, 3, 3, {3}},
      {"max below min refused", [&] { EXPECT_THROW(bar->SetMax(0), Exception); }, 3, 3, {}},
      {"user beyond max", [&] { bar->UserSetPosition(8); }, 3, 3, {}},
      {"disabled", [&] { bar->SetEnabled(false); bar->UserSetPosition(1); }, 3, 3, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    changes.clear();
    c.action();
    EXPECT_EQ(bar->Position(), c.position);
    EXPECT_EQ(bar->Max(), c.max);
    EXPECT_EQ(changes, c.changes);
  }
  bar->SetPageSize(3);
  EXPECT_THROW(bar->SetMax(2), Exception);
  EXPECT_THROW(bar->SetPageSize(4), Exception);
  EXPECT_EQ(bar->Max(), 3);
}

TEST_F(ControlsTest, ScrollBarChangeHandlerRunsNestedInsideTheSetter) {
  auto* bar = Add<TScrollBar>(AddPanel());
  bar->SetParams(3, 1, 5);
  std::vector<std::string> steps;
  bar->OnChange = [&steps, bar](TObject*) {
    steps.push_back("change to " + std::to_string(bar->Position()));
    if (bar->Position() == 1) {
      bar->SetPosition(2);
    }
  };
  steps.push_back("before");
  bar->SetPosition(1);
  steps.push_back("after");
  EXPECT_EQ(steps, (std::vector<std::string>{"before", "change to 1", "change to 2", "after"}));
}

TEST_F(ControlsTest, MemoRunsOnChangeForProgramTextAndUserEditsButNotForClearingNothing) {
  auto* memo = Add<TMemo>(&form);
  int changes = 0;
  memo->OnChange = [&changes](TObject*) { ++changes; };
  memo->AcceptChar = [](char32_t c) { return c < 0x80 || (c >= 0x410 && c <= 0x44F); };

  struct MemoCase {
    const char* name;
    std::function<void()> action;
    std::string text;
    int changes;
  };
  const std::vector<MemoCase> cases = {
      {"clear empty", [&] { memo->Clear(); }, "", 0},
      {"set text", [&] { memo->SetText("a\r\nb"); }, "a\r\nb", 1},
      {"set same text", [&] { memo->SetText("a\r\nb"); }, "a\r\nb", 1},
      {"text buffer", [&] { memo->SetTextBuf("Тест"); }, "Тест", 1},
      {"user types", [&] { memo->UserType("!"); }, "Тест!", 1},
      {"user types refused", [&] { memo->UserType("€"); }, "Тест!", 0},
      {"user edit drops refused", [&] { memo->UserEdit("x€y"); }, "xy", 1},
      {"user edit malformed", [&] { memo->UserEdit("x\xFFy"); }, "xy", 0},
      {"program text not filtered", [&] { memo->SetText("€"); }, "€", 1},
      {"clear", [&] { memo->Clear(); }, "", 1},
      {"disabled", [&] { memo->SetEnabled(false); memo->UserType("z"); }, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    changes = 0;
    c.action();
    EXPECT_EQ(memo->Text(), c.text);
    EXPECT_EQ(changes, c.changes);
  }
  memo->SetText("one\r\ntwo\nthree\r\n");
  EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"one", "two", "three"}));
}

TEST_F(ControlsTest, ButtonsCheckBoxesAndMenuItemsRunOnClickWhenEnabled) {
  TPanel* panel = AddPanel();
  auto* button = Add<TButton>(panel);
  auto* check = Add<TCheckBox>(panel);
  auto* item = new TMenuItem(&form);
  auto* separator = new TMenuItem(&form);
  separator->SetCaption("-");
  auto* menu = new TPopupMenu(&form);
  menu->Add(item);
  menu->Add(separator);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  check->OnClick = [&clicks](TObject*) { ++clicks; };
  item->OnClick = [&clicks](TObject*) { ++clicks; };
  separator->OnClick = [&clicks](TObject*) { ++clicks; };

  button->UserClick();
  check->UserClick();
  item->UserClick();
  separator->UserClick();
  EXPECT_EQ(clicks, 3);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(menu->Count(), 2);

  panel->SetEnabled(false);
  item->SetEnabled(false);
  button->UserClick();
  check->UserClick();
  item->UserClick();
  EXPECT_EQ(clicks, 3);
  EXPECT_TRUE(check->Checked());
}

}  // namespace
