#include <cstring>

#include "AppFixture.h"
#include "platform/system/Files.h"

using dgr::MaxSegments;
using platform::forms::TImage;
using platform::forms::TNotifyEvent;
using platform::forms::TObject;
using platform::forms::TStaticText;
using platform::graphics::clAqua;
using platform::graphics::clBlue;
using platform::graphics::clMedGray;
using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::fmOpenRead;

namespace {

// Counts the loads of files with a comment: each sets the editor's text once.
int CountCommentLoads(const std::function<void()>& action) {
  int loads = 0;
  TNotifyEvent original = CForm->mCmt->OnChange;
  CForm->mCmt->OnChange = [&](TObject* sender) {
    ++loads;
    original(sender);
  };
  action();
  CForm->mCmt->OnChange = original;
  return loads;
}

struct SiteModeStep {
  int segments;
  std::uint8_t siteType;
  bool depot;
  int groupSize;
  bool buttonsEnabled;
};

struct SiteModeCase {
  const char* name;
  std::vector<SiteModeStep> steps;
};

class SiteModeTest : public AppTest, public ::testing::WithParamInterface<SiteModeCase> {};

TEST_P(SiteModeTest, EachLoadLeavesTheModeOfTheTableWithOneLoadPerFile) {
  Start();
  int n = 0;
  for (const SiteModeStep& step : GetParam().steps) {
    SCOPED_TRACE(n);
    const std::string path = Write("f" + std::to_string(n++) + ".dgr", Diagram(step.segments, step.siteType, "x"));
    EXPECT_EQ(CountCommentLoads([&] { Open(path); }), 1);
    EXPECT_EQ(MForm->DepotMode(), step.depot);
    EXPECT_EQ(MForm->GroupSize(), step.groupSize);
    EXPECT_EQ(MForm->rbNB->Checked(), step.depot);
    EXPECT_EQ(MForm->rbAZS->Checked(), !step.depot);
    EXPECT_EQ(MForm->rbNB->Enabled(), step.buttonsEnabled);
    EXPECT_EQ(MForm->rbAZS->Enabled(), step.buttonsEnabled);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Loads, SiteModeTest,
    ::testing::Values(
        SiteModeCase{"StationThenDepot", {{100, 32, false, 32, false}, {100, 16, true, 16, false}}},
        SiteModeCase{"CountAbove256SetsDepot", {{257, 0, true, 16, true}}},
        SiteModeCase{"Count256KeepsTheModeInForce", {{256, 0, false, 32, true}, {300, 0, true, 16, true}, {256, 0, true, 16, true}}},
        SiteModeCase{"StatedTypeOverridesCount", {{300, 32, false, 32, false}}},
        SiteModeCase{"UnstatedAfterLockedEnablesAgain", {{100, 16, true, 16, false}, {100, 0, true, 16, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, ChoosingStationForA300SegmentFileRedrawsInDepotModeWithStationChecked) {
  const std::string path = Write("a.dgr", Diagram(300));
  Start();
  Open(path);
  ASSERT_TRUE(MForm->rbNB->Checked());
  MForm->rbAZS->UserClick();
  EXPECT_TRUE(MForm->rbAZS->Checked());
  EXPECT_TRUE(MForm->DepotMode());
  EXPECT_EQ(MForm->GroupSize(), 16);
}

TEST_F(AppTest, ChosenModeRedrawsASmallFileAndStaysForTheNext) {
  const std::string a = Write("a.dgr", Diagram(100));
  const std::string b = Write("b.dgr", Diagram(100));
  Start();
  Open(a);
  ASSERT_FALSE(MForm->DepotMode());
  MForm->rbNB->UserClick();
  EXPECT_TRUE(MForm->DepotMode());
  EXPECT_EQ(MForm->GroupSize(), 16);
  EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА : a.dgr");
  Open(b);
  EXPECT_TRUE(MForm->DepotMode());
  EXPECT_TRUE(MForm->rbNB->Checked());
}

TEST_F(AppTest, LoadFillsEveryReadoutAndTheCaption) {
  DiagramFile diagram = Diagram(256, 32);
  diagram.FuelLevelWhole = 1234;
  diagram.FuelLevelTenths = 5;
  diagram.FuelLevelTag = 10;
  diagram.LevelCorrection = -15;
  diagram.FuelSegment = 100;
  diagram.SensorAddress = 0;
  diagram.RecordTime = 1.5;
  diagram.Comment.clear();
  const std::string path = Write("tank.dgr", diagram);
  Start();
  Open(path);
  EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА : tank.dgr");
  EXPECT_EQ(MForm->stFLvl->Caption(), "1234.5 (0A)");
  EXPECT_TRUE(MForm->stRFLvl->Visible());
  EXPECT_EQ(MForm->stRFLvl->Caption(), "1236.0");
  EXPECT_EQ(MForm->stFnd->Caption(), "-1.5");
  EXPECT_EQ(MForm->stCFsn->Caption(), "100 / 156");
  EXPECT_EQ(MForm->stRng->Caption(), "12.50");
  EXPECT_EQ(MForm->stSAdr->Caption(), "Датчик № 1");
  EXPECT_EQ(MForm->stDTime->Caption(), "31.12.99  12:00:00");
  EXPECT_EQ(MForm->stSegNum->Caption(), "Сегментов : 256");
  EXPECT_EQ(MForm->stVer->Caption(), "");
  EXPECT_FALSE(CForm->Visible());
}

TEST_F(AppTest, ShortHeaderLeavesOptionalReadoutsEmpty) {
  DiagramFile diagram = Diagram(100, 0, "", 52);
  const std::string path = Write("short.dgr", diagram);
  Start();
  Open(path);
  EXPECT_EQ(MForm->stSegNum->Caption(), "Сегментов : 100");
  EXPECT_EQ(MForm->stFnd->Caption(), "");
  EXPECT_EQ(MForm->stSAdr->Caption(), "");
  EXPECT_EQ(MForm->stDTime->Caption(), "");
  EXPECT_FALSE(MForm->stRFLvl->Visible());
}

enum class Failure { Missing, HeldOpen, CountTooLarge };

struct FailureCase {
  const char* name;
  Failure failure;
};

class LoadFailureTest : public AppTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LoadFailureTest, KeepsThePreviousFileButEmptiesTheReadouts) {
  DiagramFile first = Diagram(256, 32);
  first.FuelLevelWhole = 1234;
  first.FuelLevelTenths = 5;
  first.FuelLevelTag = 10;
  first.LevelCorrection = -15;
  first.Comment.clear();
  const std::string good = Write("a.dgr", first);
  std::string bad = folder.Path("b.dgr");
  int handle = 0;
  if (GetParam().failure == Failure::HeldOpen) {
    bad = Write("b.dgr", Diagram(100));
    handle = FileOpen(bad, fmOpenRead);
    ASSERT_GT(handle, 0);
  } else if (GetParam().failure == Failure::CountTooLarge) {
    std::vector<std::uint8_t> bytes = EncodeDiagramFile(Diagram(100));
    const std::int32_t count = MaxSegments + 1;
    std::memcpy(bytes.data() + 4, &count, 4);
    bad = folder.Write("b.dgr", bytes);
  }
  Start();
  Open(good);
  ASSERT_TRUE(MForm->stRFLvl->Visible());
  const std::vector<std::uint8_t> codes(MForm->Arrays().CodeData.begin(), MForm->Arrays().CodeData.end());

  Open(bad);
  if (handle > 0) FileClose(handle);

  EXPECT_EQ(MForm->SegmentCount(), 256);
  EXPECT_EQ(std::vector<std::uint8_t>(MForm->Arrays().CodeData.begin(), MForm->Arrays().CodeData.end()), codes);
  EXPECT_FALSE(MForm->DepotMode());
  EXPECT_FALSE(MForm->rbNB->Enabled());
  EXPECT_EQ(MForm->stSegNum->Caption(), "");
  EXPECT_EQ(MForm->stSAdr->Caption(), "");
  EXPECT_EQ(MForm->stDTime->Caption(), "");
  // stRFLvl keeps the previous file's value either way.
  EXPECT_TRUE(MForm->stRFLvl->Visible());
  EXPECT_EQ(MForm->stRFLvl->Caption(), "1236.0");
  if (GetParam().failure == Failure::Missing) {
    // Nothing else changed: the load stopped before touching the window.
    EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА : a.dgr");
    EXPECT_EQ(MForm->stFLvl->Caption(), "1234.5 (0A)");
  } else {
    EXPECT_EQ(MForm->Caption(), "ДИАГРАММА ДАТЧИКА");
    for (TStaticText* readout : {MForm->stFLvl, MForm->stFnd, MForm->stWLvl, MForm->stCFsn, MForm->stFtg,
                                 MForm->stDelta, MForm->stWsn, MForm->stVer})
      EXPECT_EQ(readout->Caption(), "") << readout->Name();
  }
  EXPECT_TRUE(Headless().Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, LoadFailureTest,
                         ::testing::Values(FailureCase{"Missing", Failure::Missing},
                                           FailureCase{"HeldOpen", Failure::HeldOpen},
                                           FailureCase{"CountTooLarge", Failure::CountTooLarge}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, WidthAdaptsToTheSegmentCountAndRedocksTheCommentWindow) {
  const std::string a = Write("a.dgr", Diagram(256));
  const std::string b = Write("b.dgr", Diagram(256));
  const std::string c = Write("c.dgr", Diagram(512));
  Start();
  MForm->SetLeft(478);
  const int commentTop = CForm->Top();

  Open(a);
  EXPECT_EQ(MForm->PlotWidth(), 800);
  EXPECT_EQ(MForm->pGraf->Width(), 804);
  EXPECT_EQ(MForm->pDat->Width(), 814);
  EXPECT_EQ(MForm->imBlank->Width(), 800);
  EXPECT_EQ(MForm->Width(), 820);
  EXPECT_EQ(MForm->Left(), 460);
  EXPECT_EQ(CForm->Left(), 1280);
  EXPECT_EQ(CForm->Top(), commentTop);
  EXPECT_EQ(MForm->imGrid->Width(), 800);
  EXPECT_EQ(MForm->Geometry().Stretch, 3);
  EXPECT_EQ(MForm->Geometry().LeftMargin, 16);
  EXPECT_EQ(MForm->Geometry().PlotRight, 784);
  // The zero line of the grid on row 292.
  EXPECT_EQ(MForm->imGrid->Picture().Pixel(16, 292), clMedGray);

  MForm->SetLeft(300);
  Open(b);
  EXPECT_EQ(MForm->Left(), 300);
  EXPECT_EQ(MForm->Width(), 820);

  Open(c);
  EXPECT_EQ(MForm->PlotWidth(), 697);
  EXPECT_EQ(MForm->pGraf->Width(), 701);
  EXPECT_EQ(MForm->pDat->Width(), 711);
  EXPECT_EQ(MForm->Width(), 717);
  EXPECT_EQ(CForm->Left(), 300 + 717);
  EXPECT_EQ(MForm->Geometry().LeftMargin, 92);
}

TEST_F(AppTest, ZeroSegmentFileAfterOthersFallsBackToTheDesignWidth) {
  const std::string a = Write("a.dgr", Diagram(256));
  const std::string empty = Write("empty.dgr", Diagram(0));
  Start();
  Open(a);
  Open(empty);
  EXPECT_EQ(MForm->SegmentCount(), 0);
  EXPECT_EQ(MForm->PlotWidth(), 697);
  EXPECT_EQ(MForm->imGrid->Width(), 697);
  EXPECT_EQ(MForm->imGrid->Picture().Pixel(100, 292), clAqua);
}

TEST_F(AppTest, CurveLayersFollowTheGridAndLoadingPutsThemHome) {
  const std::string a = Write("a.dgr", Diagram(256));
  Start();
  Open(a);
  for (TImage* layer : {MForm->imCode, MForm->imAir, MForm->imFuel}) {
    EXPECT_EQ(layer->Width(), MForm->imGrid->Width()) << layer->Name();
    EXPECT_EQ(layer->Left(), 2) << layer->Name();
    EXPECT_TRUE(layer->Transparent());
  }
  // The code curve of segment 0 on its value's row.
  const int row = 292 - MForm->Arrays().CodeData[0];
  EXPECT_EQ(MForm->imCode->Picture().Pixel(16, row), clBlue);
}

}  // namespace
