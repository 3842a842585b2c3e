#include "view/Plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view/Curve.h"
#include "view/Grid.h"

namespace {

using dgr::ColumnRange;
using dgr::Curve;
using dgr::PlotGeometry;
using platform::graphics::TBitmap;
using platform::graphics::TColor;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clRed;

// A plot with steps and gaps in every curve, the arrays told apart by their values.
dgr::SegmentArrays Arrays(int segments) {
  dgr::SegmentArrays arrays;
  for (int k = 0; k < segments; ++k) {
    arrays.CodeData.push_back(std::uint8_t(150 + k % 40));
    arrays.FuelData.push_back(k % 7 == 0 ? 255 : std::uint8_t(90 + k % 13));
    arrays.AirData.push_back(k % 5 == 0 ? 0 : std::uint8_t(30 + k % 11));
  }
  return arrays;
}

void ExpectCrop(const TBitmap& whole, const TBitmap& part, ColumnRange columns, const std::string& what) {
  ASSERT_EQ(part.Width(), columns.Count) << what;
  ASSERT_EQ(part.Height(), whole.Height()) << what;
  for (int y = 0; y < part.Height(); ++y)
    for (int x = 0; x < part.Width(); ++x)
      ASSERT_EQ(part.Pixel(x, y), whole.Pixel(columns.First + x, y)) << what << " at " << columns.First + x << "," << y;
}

struct RangeCase {
  const char* name;
  dgr::PlotState state;
};

class ColumnRangeTest : public testing::TestWithParam<RangeCase> {};

// Any run of columns renders exactly what the whole layer holds there: dot and dash phases,
// label boxes cut at the edges and the order of drawing included.
TEST_P(ColumnRangeTest, RangesAreCropsOfTheWholeLayer) {
  const dgr::PlotState& state = GetParam().state;
  const dgr::SegmentArrays arrays = Arrays(state.SegmentCount);
  const dgr::PlotLayers whole = dgr::RenderPlot(arrays, state, PlotGeometry{});
  const int width = whole.Width;
  const std::vector<ColumnRange> ranges = {{0, width}, {0, 1}, {1, 50}, {17, 301}, {width / 2 - 3, 7}, {width - 5, 5}, {width - 1, 1}};
  for (const ColumnRange& columns : ranges) {
    const std::string at = std::to_string(columns.First) + "+" + std::to_string(columns.Count);
    ExpectCrop(whole.Grid, DrawGrid(state, whole.Geometry, columns), columns, "grid " + at);
    for (const dgr::CurveTraits& curve : dgr::Curves) {
      const TBitmap part = DrawCurve(curve.Id, arrays.*curve.Data, {state.Zoom, whole.Geometry, state.LayerHeight}, columns);
      ExpectCrop(whole.Curves[dgr::IndexOf(curve.Id)], part, columns, std::string(curve.Name) + " " + at);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Plots, ColumnRangeTest,
                         testing::Values(RangeCase{"station256", {256, 1, 800, false, 32, 312}},
                                         RangeCase{"station256Zoom4", {256, 4, 800, false, 32, 312}},
                                         RangeCase{"depot512Zoom2", {512, 2, 697, true, 16, 312}},
                                         RangeCase{"few20", {20, 1, 697, false, 32, 312}},
                                         RangeCase{"none", {0, 1, 697, false, 32, 312}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Each curve layer shows its own array in its own colour: the first segment's value row.
TEST(RenderPlot, EachCurveDrawsItsArrayInItsColour) {
  dgr::SegmentArrays arrays{{200, 200}, {100, 100}, {50, 50}};
  const dgr::PlotLayers layers = dgr::RenderPlot(arrays, {2, 1, 697, false, 32, 312}, PlotGeometry{});
  const int x = layers.Geometry.LeftMargin;
  const int zeroY = 312 - layers.Geometry.BottomMargin;
  struct Expected {
    Curve curve;
    int value;
    TColor color;
  };
  for (const Expected& e : {Expected{Curve::Code, 200, clBlue}, Expected{Curve::Air, 50, clRed}, Expected{Curve::Fuel, 100, clGreen}}) {
    const TBitmap& layer = layers.Curves[dgr::IndexOf(e.curve)];
    EXPECT_EQ(layer.Pixel(x, zeroY - e.value), e.color) << dgr::TraitsOf(e.curve).Name;
    EXPECT_EQ(layer.Width(), layers.Width);
  }
}

}  // namespace
