#include "AppFixture.h"

using platform::forms::TImage;
using platform::forms::VK_ADD;
using platform::forms::VK_OEM_PLUS;
using platform::forms::VK_SUBTRACT;
using platform::forms::ssCtrl;
using enum platform::forms::TCursor;
using platform::graphics::TBitmap;
using platform::graphics::clAqua;

namespace {

class PlotTest : public AppTest {
protected:
  // Loads a file of the given segment count, after widening the plot with a first file when
  // plotWidth asks for 800 (256 segments).
  void Load(int segments, bool widePlot = false) {
    Start();
    if (widePlot) Open(Write("wide.dgr", Diagram(256)));
    Open(Write("f.dgr", Diagram(segments)));
  }
  static void ChooseZoom(int item) { MForm->cbZoom->UserSelect(item); }
  static int Left() { return MForm->imCode->Left(); }
  static void ExpectLayersAt(int left) {
    for (TImage* layer : {MForm->imGrid, MForm->imCode, MForm->imAir, MForm->imFuel})
      EXPECT_EQ(layer->Left(), left) << layer->Name();
    EXPECT_EQ(MForm->imBlank->Left(), 2);
  }
};

struct ScrollCase {
  const char* name;
  int segments;
  bool widePlot;
  int zoomItem;
  int layerWidth;
  int max;
  std::vector<int> lefts;  // for positions 1, 2, ...
};

class ScrollTest : public PlotTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollTest, EachPositionPutsTheLayersAtItsLeft) {
  const ScrollCase& c = GetParam();
  Load(c.segments, c.widePlot);
  ChooseZoom(c.zoomItem);
  EXPECT_TRUE(MForm->pShift->Visible());
  EXPECT_EQ(MForm->imGrid->Width(), c.layerWidth);
  EXPECT_EQ(MForm->sbShift->Max(), c.max);
  EXPECT_EQ(MForm->sbShift->Position(), 1);
  for (std::size_t i = c.lefts.size(); i-- > 0;) {
    MForm->sbShift->UserSetPosition(int(i) + 1);
    SCOPED_TRACE(i + 1);
    ExpectLayersAt(c.lefts[i]);
  }
}

// Middle positions beyond the far end are held at it (800 wide at zoom 4: -422 and -633 would
// uncover the panel; at zoom 2 the layers fit and every position stays within [0, 2]).
INSTANTIATE_TEST_SUITE_P(
    Figures, ScrollTest,
    ::testing::Values(ScrollCase{"Narrow512Zoom2", 512, false, 1, 1056, 3, {2, -352, -359}},
                      ScrollCase{"Narrow512Zoom4", 512, false, 2, 2080, 5, {2, -416, -832, -1248, -1383}},
                      ScrollCase{"Wide256Zoom4", 256, true, 2, 1056, 5, {2, -211, -256, -256, -256}},
                      ScrollCase{"Wide256Zoom2Fits", 256, true, 1, 800, 3, {2, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlotTest, ZoomTransitionsResetTheScrollBarAsDesigned) {
  Load(512);
  ChooseZoom(2);
  MForm->sbShift->UserSetPosition(4);
  ASSERT_EQ(Left(), -1248);
  ChooseZoom(1);
  EXPECT_EQ(MForm->sbShift->Position(), 1);
  EXPECT_EQ(MForm->sbShift->Max(), 3);
  ExpectLayersAt(2);
  EXPECT_EQ(MForm->imGrid->Width(), 1056);

  ChooseZoom(2);
  MForm->sbShift->UserSetPosition(3);
  ChooseZoom(0);
  ExpectLayersAt(2);
  EXPECT_FALSE(MForm->pShift->Visible());
  EXPECT_EQ(MForm->sbShift->Position(), 3);
  EXPECT_EQ(MForm->Zoom(), 1);
  EXPECT_EQ(MForm->imGrid->Width(), 697);

  ChooseZoom(1);
  EXPECT_EQ(MForm->sbShift->Position(), 1);
  EXPECT_EQ(MForm->sbShift->Max(), 3);
  EXPECT_TRUE(MForm->pShift->Visible());
  ExpectLayersAt(2);
}

TEST_F(PlotTest, ChoosingTheZoomInForceRedrawsNothing) {
  Load(512);
  ChooseZoom(1);
  TBitmap marker(5, 5);
  MForm->imCode->SetPicture(marker);
  ChooseZoom(1);
  EXPECT_EQ(MForm->imCode->Picture().Width(), 5);
}

TEST_F(PlotTest, DraggedOffsetSurvivesAZoomChangeWhenTheScrollBarStaysHome) {
  Load(512);
  ChooseZoom(1);
  MForm->imBlank->MouseDown(400, 100);
  MForm->imBlank->MouseMove(100, 100);
  MForm->imBlank->MouseUp(100, 100);
  ASSERT_EQ(Left(), -298);
  ChooseZoom(2);
  ExpectLayersAt(-298);
  EXPECT_EQ(MForm->imGrid->Width(), 2080);
}

TEST_F(PlotTest, DragClampsBothEndsAndReportsEachStep) {
  Load(512);
  ChooseZoom(1);
  MForm->sbShift->UserSetPosition(2);
  ASSERT_EQ(Left(), -352);
  MForm->imBlank->MouseDown(302, 50);
  EXPECT_EQ(MForm->imBlank->Cursor(), crSizeWE);
  MForm->imBlank->MouseMove(300, 50);  // to -354
  MForm->imBlank->MouseMove(290, 50);  // -364 is held at -359
  ExpectLayersAt(-359);
  EXPECT_EQ(MForm->stLX->Caption(), "-354 : -359 : 290");
  MForm->imBlank->MouseMove(700, 50);  // far right: held at home
  ExpectLayersAt(2);
  MForm->imBlank->MouseUp(700, 50);
  EXPECT_EQ(MForm->imBlank->Cursor(), crCross);
  EXPECT_FALSE(MForm->Dragging());
  // The drag leaves the scroll bar where it was.
  EXPECT_EQ(MForm->sbShift->Position(), 2);
}

TEST_F(PlotTest, PressWhileTheLayersFitStartsNoDrag) {
  Load(512);
  MForm->imBlank->MouseDown(300, 50);
  EXPECT_FALSE(MForm->Dragging());
  EXPECT_EQ(MForm->imBlank->Cursor(), crCross);
  MForm->imBlank->MouseMove(100, 50);
  ExpectLayersAt(2);
  EXPECT_EQ(MForm->stLX->Caption(), "");
}

TEST_F(PlotTest, VisibilityButtonsHideAndShowTheirLayerThroughLoadsAndZooms) {
  Load(100);
  MForm->SpeedButton2->UserClick();
  EXPECT_FALSE(MForm->imCode->Visible());
  EXPECT_TRUE(MForm->imAir->Visible());
  EXPECT_TRUE(MForm->imFuel->Visible());
  MForm->SpeedButton4->UserClick();
  EXPECT_FALSE(MForm->imFuel->Visible());
  ChooseZoom(2);
  Open(Write("g.dgr", Diagram(120)));
  EXPECT_FALSE(MForm->imCode->Visible());
  EXPECT_FALSE(MForm->imFuel->Visible());
  MForm->SpeedButton2->UserClick();
  EXPECT_TRUE(MForm->imCode->Visible());
  EXPECT_TRUE(MForm->imGrid->Visible());
}

TEST_F(PlotTest, ZoomBeforeAnyFileDrawsEmptyLayers) {
  Start();
  ChooseZoom(1);
  EXPECT_EQ(MForm->Zoom(), 2);
  EXPECT_TRUE(MForm->pShift->Visible());
  EXPECT_EQ(MForm->imGrid->Width(), 32);
  EXPECT_EQ(MForm->imCode->Picture().Pixel(0, 0), clAqua);
}

struct CursorCase {
  int x;
  int segment;  // shown segment number; 0 when the read-out stays as it was
};

class CursorTest : public PlotTest {
protected:
  // 256 segments with known codes: code = index, fuel 255 on segment 2, air 255 on segment 3,
  // fuel 0 on segment 4.
  void LoadKnown(bool zoom4) {
    DiagramFile diagram = Diagram(256);
    for (int i = 0; i < 256; ++i) {
      diagram.CodeData[std::size_t(i)] = std::uint8_t(i);
      diagram.FuelData[std::size_t(i)] = std::uint8_t(i % 100 + 1);
      diagram.AirData[std::size_t(i)] = std::uint8_t(i % 50 + 1);
    }
    diagram.FuelData[1] = 255;
    diagram.AirData[1] = 40;
    diagram.FuelData[2] = 12;
    diagram.AirData[2] = 255;
    diagram.FuelData[3] = 0;
    Start();
    Open(Write("w.dgr", diagram));
    if (zoom4) ChooseZoom(2);
  }
  static void Move(int x) { MForm->imBlank->MouseMove(x, 100); }
  static void Check(const std::vector<CursorCase>& cases) {
    for (const CursorCase& c : cases) {
      MForm->stSeg->SetCaption("-");
      Move(c.x);
      EXPECT_EQ(MForm->stSeg->Caption(), c.segment ? std::to_string(c.segment) : "-") << "x " << c.x;
    }
  }
};

TEST_F(CursorTest, LayersAsWideAsThePlotUseTheGeometryOnly) {
  LoadKnown(false);
  ASSERT_EQ(MForm->Geometry().LeftMargin, 16);
  Check({{15, 0}, {16, 1}, {17, 1}, {18, 1}, {19, 2}, {783, 256}, {784, 0}});
}

TEST_F(CursorTest, WiderLayersCountTheirOffsetAndTheBlankLayersPlace) {
  LoadKnown(true);
  Check({{14, 0}, {15, 0}, {16, 1}, {19, 1}, {20, 2}});
  MForm->sbShift->UserSetPosition(2);
  ASSERT_EQ(Left(), -211);
  Check({{0, 50}});
}

TEST_F(CursorTest, MarkFollowsThePointerOverSegmentsOnlyAndRedrawsNoLayer) {
  LoadKnown(false);
  std::vector<const platform::graphics::TColor*> pictures;
  for (TImage* layer : {MForm->imGrid, MForm->imCode, MForm->imAir, MForm->imFuel})
    pictures.push_back(layer->Picture().Row(0));
  EXPECT_FALSE(MForm->pMark->Visible());
  struct MarkCase {
    int x;
    bool shown;
  };
  for (const MarkCase& c : std::vector<MarkCase>{{16, true}, {100, true}, {15, false}, {783, true}, {784, false}}) {
    Move(c.x);
    EXPECT_EQ(MForm->pMark->Visible(), c.shown) << "x " << c.x;
    if (c.shown) {
      EXPECT_EQ(MForm->pMark->Left(), MForm->HomeLeft() + c.x) << "x " << c.x;
    }
  }
  Move(100);
  EXPECT_EQ(MForm->pMark->Width(), 1);
  EXPECT_EQ(MForm->pMark->Height(), MForm->imCode->Height());
  // Above the curves, below the layer that takes the mouse.
  const auto at = [](const platform::forms::TControl* c) {
    for (int i = 0; i < MForm->pGraf->ControlCount(); ++i)
      if (MForm->pGraf->Controls(i) == c) return i;
    return -1;
  };
  EXPECT_GT(at(MForm->pMark), at(MForm->imFuel));
  EXPECT_LT(at(MForm->pMark), at(MForm->imBlank));
  // Leaving the plot for another control hides it.
  MForm->pDat->MouseMove(5, 5);
  EXPECT_FALSE(MForm->pMark->Visible());
  Move(100);
  MForm->UserMouseLeave();
  EXPECT_FALSE(MForm->pMark->Visible());
  std::size_t i = 0;
  for (TImage* layer : {MForm->imGrid, MForm->imCode, MForm->imAir, MForm->imFuel})
    EXPECT_EQ(layer->Picture().Row(0), pictures[i++]) << layer->Name();
}

TEST_F(CursorTest, FuelAndAirBlankOnlyAt255AndTextsStayWhenLeaving) {
  LoadKnown(false);
  Move(19);  // segment 2: fuel 255, air 40
  EXPECT_EQ(MForm->stSVal->Caption(), "1");
  EXPECT_EQ(MForm->stFVal->Caption(), "");
  EXPECT_EQ(MForm->stAVal->Caption(), "40");
  Move(22);  // segment 3: fuel 12, air 255
  EXPECT_EQ(MForm->stFVal->Caption(), "12");
  EXPECT_EQ(MForm->stAVal->Caption(), "");
  Move(25);  // segment 4: fuel 0 is shown
  EXPECT_EQ(MForm->stFVal->Caption(), "0");
  Move(19);
  Move(5);  // the margin changes nothing
  EXPECT_EQ(MForm->stSeg->Caption(), "2");
  EXPECT_EQ(MForm->stFVal->Caption(), "");
  // Hidden layers still read out; a new file keeps the texts until the pointer moves.
  MForm->SpeedButton4->UserClick();
  Open(Write("other.dgr", Diagram(256)));
  EXPECT_EQ(MForm->stSeg->Caption(), "2");
  EXPECT_EQ(MForm->stSVal->Caption(), "1");
}

TEST_F(CursorTest, MovesBeforeAnyFileAndOverAnEmptyFileChangeNothing) {
  Start();
  Move(100);
  EXPECT_EQ(MForm->stSeg->Caption(), "");
  Open(Write("a.dgr", Diagram(256)));
  Open(Write("empty.dgr", Diagram(0)));
  Move(100);
  EXPECT_EQ(MForm->stSeg->Caption(), "");
}

TEST_F(PlotTest, KeysAndWheelActThroughTheControls) {
  Load(512);
  int key = VK_ADD;
  EXPECT_TRUE(MForm->UserKeyDown(key));
  EXPECT_EQ(MForm->Zoom(), 2);
  MForm->UserKeyDown(VK_OEM_PLUS);
  MForm->UserKeyDown(VK_OEM_PLUS);
  EXPECT_EQ(MForm->Zoom(), 4);
  // The wheel over the plot moves the scroll bar; elsewhere it does nothing.
  MForm->UserMouseWheel(-1, 100, 100);
  EXPECT_EQ(MForm->sbShift->Position(), 2);
  EXPECT_EQ(Left(), -416);
  MForm->UserMouseWheel(-1, 100, 450);
  EXPECT_EQ(MForm->sbShift->Position(), 2);
  MForm->UserKeyDown(VK_SUBTRACT);
  EXPECT_EQ(MForm->Zoom(), 2);
  EXPECT_FALSE(MForm->UserKeyDown('O'));
  Headless().CancelNextDialog();
  EXPECT_TRUE(MForm->UserKeyDown('O', ssCtrl));
  EXPECT_EQ(Headless().DialogRuns().size(), 2u);
  EXPECT_FALSE(MForm->UserKeyDown('Q'));
}

}  // namespace
