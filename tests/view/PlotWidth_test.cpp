#include "view/PlotWidth.h"

#include <gtest/gtest.h>

#include <vector>

using dgr::FitPlotWidth;
using dgr::PlotWidthFit;
using dgr::PlotWidthInput;

namespace {

struct FitCase {
  const char* name;
  int segments;
  int screenWidth;
  int panelWidth;
  int windowLeft;
  PlotWidthFit expected;
};

class FitPlotWidthTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitPlotWidthTest, MatchesTheWorkedFigures) {
  const FitCase& c = GetParam();
  const PlotWidthInput input{c.segments, 697, 701, 20, c.screenWidth, c.panelWidth, c.windowLeft};
  const PlotWidthFit fit = FitPlotWidth(input);
  EXPECT_EQ(fit.PlotWidth, c.expected.PlotWidth);
  EXPECT_EQ(fit.PanelWidth, c.expected.PanelWidth);
  EXPECT_EQ(fit.PanelWidthChange, c.expected.PanelWidthChange);
  EXPECT_EQ(fit.WindowLeft, c.expected.WindowLeft);
}

// Design widths 697 (plot) and 701 (panel), frame 20.
INSTANTIATE_TEST_SUITE_P(
    Counts, FitPlotWidthTest,
    testing::Values(
        // q = 2, r = 153 >= 128: 800 wide, and 478 + 820 > 1280 moves the window to 460.
        FitCase{"first256", 256, 1280, 701, 478, {800, 804, 103, 460}},
        // A window far enough left stays where it is.
        FitCase{"fits256", 256, 1280, 701, 100, {800, 804, 103, 100}},
        // q = 1, r = 153 < 256: back to the design width, the panels shrink by 103.
        FitCase{"next512", 512, 1280, 804, 460, {697, 701, -103, 460}},
        FitCase{"count128", 128, 1280, 701, 478, {697, 701, 0, 478}},
        // r = 265 >= 200: 832 wide; 478 + 852 > 1280 gives 428.
        FitCase{"count400", 400, 1280, 701, 478, {832, 836, 135, 428}},
        // 820 > 800: the screen is too narrow, nothing widens and the window stays.
        FitCase{"narrowScreen", 256, 800, 701, 478, {697, 701, 0, 478}},
        FitCase{"exactlyFits", 256, 820, 701, 0, {800, 804, 103, 0}},
        FitCase{"count20", 20, 1280, 701, 478, {697, 701, 0, 478}},
        FitCase{"count12", 12, 1280, 701, 478, {697, 701, 0, 478}},
        FitCase{"largest", 16384, 1280, 701, 478, {697, 701, 0, 478}},
        // No segments after a widened plot: no division, the design width returns.
        FitCase{"zeroAfter256", 0, 1280, 804, 460, {697, 701, -103, 460}}),
    [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

}  // namespace
