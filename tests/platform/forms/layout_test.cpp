#include <algorithm>

#include "FormsFixture.h"

using platform::forms::TBevelCut;
using platform::forms::TComponent;
using platform::forms::TControl;
using platform::forms::TForm;
using platform::forms::TImage;
using platform::forms::TMemo;
using platform::forms::TObject;
using platform::forms::TPanel;
using platform::forms::TRect;
using platform::forms::TSpeedButton;
using platform::forms::TStaticText;
using platform::forms::TWinControl;
using enum platform::forms::TAlign;
using enum platform::forms::TBevelCut;
using enum platform::forms::TCursor;
using enum platform::forms::TFormBorderStyle;
using platform::graphics::TBitmap;
using platform::graphics::clNavy;

namespace {

class LayoutTest : public FormsTest {};

TPanel* MakePanel(TComponent* owner, TWinControl* parent, TRect bounds, TBevelCut outer = bvRaised) {
  auto* panel = new TPanel(owner);
  panel->SetParent(parent);
  panel->SetBevelOuter(outer);
  panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  return panel;
}

TEST_F(LayoutTest, PanelClientAreaIsInsetByBevelsAndBorder) {
  struct InsetCase {
    TBevelCut outer, inner;
    int bevelWidth, borderWidth;
    int inset;
  };
  const std::vector<InsetCase> cases = {
      {bvRaised, bvNone, 1, 0, 1}, {bvLowered, bvRaised, 1, 0, 2}, {bvLowered, bvNone, 1, 1, 2},
      {bvNone, bvNone, 1, 0, 0},   {bvRaised, bvRaised, 2, 3, 7},  {bvNone, bvLowered, 3, 0, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inset);
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 50);
    panel.SetBevelOuter(c.outer);
    panel.SetBevelInner(c.inner);
    panel.SetBevelWidth(c.bevelWidth);
    panel.SetBorderWidth(c.borderWidth);
    EXPECT_EQ(panel.ClientRect(), (TRect{c.inset, c.inset, 100 - c.inset, 50 - c.inset}));
  }
}

TEST_F(LayoutTest, ClientAlignedImageFillsThePlotPanelAndFollowsItsWidth) {
  TForm form;
  TPanel* plot = MakePanel(&form, &form, {4, 34, 705, 350}, bvLowered);
  plot->SetBorderWidth(1);
  std::vector<TImage*> layers;
  for (int i = 0; i < 5; ++i) {
    auto* image = new TImage(&form);
    image->SetParent(plot);
    image->SetBounds(2, 2, 697, 312);
    layers.push_back(image);
  }
  layers.back()->SetAlign(alClient);
  EXPECT_EQ(layers.back()->BoundsRect(), (TRect{2, 2, 699, 314}));

  plot->SetWidth(804);
  EXPECT_EQ(layers.back()->BoundsRect(), (TRect{2, 2, 802, 314}));
  EXPECT_EQ(layers.front()->Width(), 697);

  layers.back()->SetLeft(40);
  EXPECT_EQ(layers.back()->Left(), 2);
  layers.front()->SetLeft(-352);
  EXPECT_EQ(layers.front()->Left(), -352);
}

TEST_F(LayoutTest, BottomThenClientAlignmentSplitsTheToolWindow) {
  TForm form;
  form.SetBorderStyle(bsSizeToolWin);
  form.SetBounds(0, 0, 367, 513);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetAlign(alClient);
  TPanel* bottom = MakePanel(&form, &form, {0, 0, 185, 33});
  bottom->SetAlign(alBottom);
  EXPECT_EQ(memo->BoundsRect(), (TRect{0, 0, 359, 446}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 446, 359, 479}));

  form.UserMoveResize(10, 10, 400, 613);
  EXPECT_EQ(memo->BoundsRect(), (TRect{0, 0, 392, 546}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 546, 392, 579}));

  bottom->SetVisible(false);
  EXPECT_EQ(memo->BoundsRect(), (TRect{0, 0, 392, 579}));
}

// The diagram window's tool bar, plot, scroll and read-out panels, as far as geometry goes.
struct DiagramLayout {
  TForm form;
  TPanel* toolBar;
  TPanel* leftGroup;
  TPanel* readout;
  TPanel* plot;
  TPanel* data;
  TPanel* header;
  TPanel* scroll;
  TImage* blank;
  int resizes = 0;

  DiagramLayout() {
    form.SetClientWidth(711);
    form.SetClientHeight(498);
    form.SetAutoSize(true);
    plot = MakePanel(&form, &form, {4, 34, 705, 350}, bvLowered);
    plot->SetBorderWidth(1);
    blank = new TImage(&form);
    blank->SetParent(plot);
    blank->SetAlign(alClient);
    data = MakePanel(&form, &form, {0, 373, 711, 498}, bvNone);
    toolBar = MakePanel(&form, &form, {0, 0, 706, 33});
    toolBar->SetAutoSize(true);
    readout = MakePanel(&form, toolBar, {413, 1, 705, 32}, bvLowered);
    leftGroup = MakePanel(&form, toolBar, {1, 1, 233, 32}, bvLowered);
    leftGroup->SetAlign(alLeft);
    scroll = MakePanel(&form, &form, {0, 350, 711, 373}, bvNone);
    scroll->SetVisible(false);
    header = MakePanel(&form, data, {0, 104, 711, 125});
    header->SetAlign(alBottom);
    header->SetAutoSize(true);
    auto* field = new TStaticText(&form);
    field->SetParent(header);
    field->SetBounds(490, 1, 215, 19);
    form.OnResize = [this](TObject*) { ++resizes; };
  }
};

TEST_F(LayoutTest, DiagramWindowKeepsItsDesignedGeometry) {
  DiagramLayout window;
  EXPECT_EQ(window.form.ClientWidth(), 711);
  EXPECT_EQ(window.form.ClientHeight(), 498);
  EXPECT_EQ(window.form.Width(), 717);
  EXPECT_EQ(window.form.Width() - window.blank->Width(), 20);
  EXPECT_EQ(window.blank->BoundsRect(), (TRect{2, 2, 699, 314}));
  EXPECT_EQ(window.toolBar->BoundsRect(), (TRect{0, 0, 706, 33}));
  EXPECT_EQ(window.leftGroup->BoundsRect(), (TRect{1, 1, 233, 32}));
  EXPECT_EQ(window.header->BoundsRect(), (TRect{0, 104, 711, 125}));
}

TEST_F(LayoutTest, AutoSizedWindowWidensWithItsPanelsAndResizesOncePerChange) {
  DiagramLayout window;
  window.form.SetBounds(478, 119, window.form.Width(), window.form.Height());
  EXPECT_EQ(window.resizes, 0);

  window.plot->SetWidth(804);  // right edge 808
  EXPECT_EQ(window.resizes, 1);
  EXPECT_EQ(window.form.ClientWidth(), 808);
  window.data->SetWidth(814);
  EXPECT_EQ(window.resizes, 2);
  EXPECT_EQ(window.form.ClientWidth(), 814);
  EXPECT_EQ(window.form.Width(), 820);
  EXPECT_EQ(window.form.Width() - window.blank->Width(), 20);
  EXPECT_EQ(window.header->Width(), 814);
  EXPECT_EQ(window.header->Height(), 21);

  window.form.SetLeft(460);
  window.form.UserMoveResize(400, 100, window.form.Width(), window.form.Height());
  window.data->SetTop(373);
  EXPECT_EQ(window.resizes, 2);

  window.plot->SetWidth(701);  // the read-out panel still reaches 814
  EXPECT_EQ(window.resizes, 2);
  window.data->SetWidth(711);
  EXPECT_EQ(window.form.ClientWidth(), 711);
  EXPECT_EQ(window.resizes, 3);
}

TEST_F(LayoutTest, AutoSizeIgnoresHiddenChildrenAndFollowsThemWhenShown) {
  DiagramLayout window;
  window.scroll->SetWidth(900);
  EXPECT_EQ(window.form.ClientWidth(), 711);
  window.scroll->SetVisible(true);
  EXPECT_EQ(window.form.ClientWidth(), 900);
  window.scroll->SetVisible(false);
  EXPECT_EQ(window.form.ClientWidth(), 711);
}

TEST_F(LayoutTest, AutoSizedPanelFollowsItsChildrenInTheDimensionItOwns) {
  DiagramLayout window;
  window.readout->SetWidth(300);
  EXPECT_EQ(window.toolBar->Width(), 714);
  window.readout->SetHeight(40);
  EXPECT_EQ(window.toolBar->Height(), 42);
  EXPECT_EQ(window.leftGroup->Height(), 40);

  auto* field = window.header->Controls(0);
  field->SetHeight(25);
  EXPECT_EQ(window.header->Height(), 27);
  EXPECT_EQ(window.header->Top(), 125 - 27);
  field->SetWidth(400);
  EXPECT_EQ(window.header->Width(), 711);
}

TEST_F(LayoutTest, TopmostShowingControlIsFoundAtAPoint) {
  TForm form;
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  TPanel* panel = MakePanel(&form, &form, {10, 10, 110, 110});
  auto* lower = new TImage(&form);
  lower->SetParent(panel);
  lower->SetBounds(0, 0, 50, 50);
  auto* upper = new TImage(&form);
  upper->SetParent(panel);
  upper->SetBounds(20, 20, 200, 50);

  struct HitCase {
    int x, y;
    TControl* expected;
  };
  const std::vector<HitCase> cases = {
      {15, 15, lower}, {35, 35, upper}, {105, 35, upper}, {115, 35, &form}, {5, 5, &form},
      {60, 90, panel}, {-1, 5, nullptr}, {300, 5, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EXPECT_EQ(form.ControlAtPos(c.x, c.y), c.expected);
  }
  upper->SetVisible(false);
  EXPECT_EQ(form.ControlAtPos(35, 35), lower);
}

TEST_F(LayoutTest, FontsFollowTheParentUntilSetOwnValues) {
  TForm form;
  TPanel* panel = MakePanel(&form, &form, {0, 0, 10, 10});
  auto* plain = new TStaticText(&form);
  plain->SetParent(panel);
  auto* bold = new TStaticText(&form);
  bold->SetParent(panel);
  bold->Font()->SetBold(true);

  form.Font()->SetHeight(13);
  EXPECT_EQ(panel->Font()->Height(), 13);
  EXPECT_EQ(plain->Font()->Height(), 13);
  EXPECT_EQ(bold->Font()->Height(), 11);
  EXPECT_TRUE(bold->Font()->Bold());
  EXPECT_FALSE(bold->ParentFont());

  bold->SetParentFont(true);
  EXPECT_EQ(bold->Font()->Height(), 13);
  EXPECT_FALSE(bold->Font()->Bold());
  EXPECT_EQ(plain->Font()->Name(), "MS Sans Serif");
}

TEST_F(LayoutTest, HintsShowOnlyWhereSwitchedOn) {
  TForm form;
  TPanel* panel = MakePanel(&form, &form, {0, 0, 10, 10});
  auto* own = new TSpeedButton(&form);
  own->SetParent(panel);
  own->SetShowHint(true);
  auto* inherited = new TStaticText(&form);
  inherited->SetParent(panel);
  EXPECT_FALSE(form.ShowHint());
  EXPECT_TRUE(own->ShowHint());
  EXPECT_FALSE(own->ParentShowHint());
  EXPECT_FALSE(inherited->ShowHint());
  form.SetShowHint(true);
  EXPECT_TRUE(inherited->ShowHint());
  own->SetShowHint(false);
  EXPECT_FALSE(own->ShowHint());
}

TEST_F(LayoutTest, EveryPropertyChangeReachesThePeerOnce) {
  TForm form;
  TPanel* panel = MakePanel(&form, &form, {0, 0, 100, 100});
  auto* image = new TImage(&form);
  image->SetParent(panel);
  auto* text = new TStaticText(&form);
  text->SetParent(panel);
  std::vector<TChange> imageChanges;
  std::vector<TChange> textChanges;
  image->SetPeer(std::make_unique<RecordingPeer>(imageChanges));
  text->SetPeer(std::make_unique<RecordingPeer>(textChanges));

  struct ChangeCase {
    const char* name;
    std::function<void()> action;
    std::vector<TChange>* log;
    std::vector<TChange> expected;
  };
  const std::vector<ChangeCase> cases = {
      {"left", [&] { image->SetLeft(5); }, &imageChanges, {TChange::Bounds}},
      {"same left", [&] { image->SetLeft(5); }, &imageChanges, {}},
      {"visible", [&] { image->SetVisible(false); }, &imageChanges, {TChange::Visible}},
      {"cursor", [&] { image->SetCursor(crSizeWE); }, &imageChanges, {TChange::Cursor}},
      {"picture", [&] { image->SetPicture(TBitmap(3, 3)); }, &imageChanges, {TChange::Picture}},
      {"caption", [&] { text->SetCaption("1.5"); }, &textChanges, {TChange::Text}},
      {"same caption", [&] { text->SetCaption("1.5"); }, &textChanges, {}},
      {"enabled", [&] { text->SetEnabled(false); }, &textChanges, {TChange::Enabled}},
      {"parent font", [&] { panel->Font()->SetColor(clNavy); }, &textChanges, {TChange::Font}},
      {"alignment", [&] { panel->SetAlign(alClient); }, &textChanges, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.log->clear();
    c.action();
    EXPECT_EQ(*c.log, c.expected);
  }
}

}  // namespace
