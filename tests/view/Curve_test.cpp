#include "view/Curve.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

using dgr::CurveInput;
using dgr::DrawCurve;
using platform::graphics::TBitmap;
using platform::graphics::TColor;
using platform::graphics::clAqua;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clRed;

namespace {

using dgr::Curve;
using Pixels = std::map<std::pair<int, int>, TColor>;

struct Stroke {
  int row, firstColumn, lastColumn;
};
struct Step {
  int column, firstRow, lastRow;
};

struct CurveCase {
  const char* name;
  Curve curve;
  std::vector<std::uint8_t> values;
  int zoom;
  int stretch;
  std::vector<Stroke> strokes;
  std::vector<Step> steps;
};

TColor ColorOf(Curve curve) { return curve == Curve::Code ? clBlue : curve == Curve::Air ? clRed : clGreen; }

Pixels NonFill(const TBitmap& bitmap) {
  Pixels pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != clAqua) pixels[{x, y}] = bitmap.Pixel(x, y);
  return pixels;
}

class CurveTest : public testing::TestWithParam<CurveCase> {};

// Left margin 16, y scale 1, zero line on row 292 of a 312-row layer.
TEST_P(CurveTest, StrokesAndSteps) {
  const CurveCase& c = GetParam();
  const CurveInput input{c.zoom, {20, c.stretch, 1, 16, 0}, 312};
  const TBitmap bitmap = DrawCurve(c.curve, c.values, input, {0, 800});
  EXPECT_EQ(bitmap.Width(), 800);
  EXPECT_EQ(bitmap.Height(), 312);
  EXPECT_EQ(bitmap.Pixel(0, 311), clAqua);
  Pixels expected;
  for (const Stroke& s : c.strokes)
    for (int x = s.firstColumn; x <= s.lastColumn; ++x) expected[{x, s.row}] = ColorOf(c.curve);
  for (const Step& s : c.steps)
    for (int y = s.firstRow; y <= s.lastRow; ++y) expected[{s.column, y}] = ColorOf(c.curve);
  EXPECT_EQ(NonFill(bitmap), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurveTest,
    testing::Values(
        // The flat step between equal values paints nothing; the step up to 40 runs in
        // column 22 from row 282 to row 253, the new level's row left to its stroke.
        CurveCase{"code10_10_40", Curve::Code, {10, 10, 40}, 1, 3, {{282, 16, 21}, {252, 22, 24}}, {{22, 253, 282}}},
        CurveCase{"codeStepsDown", Curve::Code, {40, 10}, 1, 3, {{252, 16, 18}, {282, 19, 21}}, {{19, 252, 281}}},
        // Code 0 and 255 are drawn, on the zero line and on row 37.
        CurveCase{"codeExtremes", Curve::Code, {0, 255}, 1, 3, {{292, 16, 18}, {37, 19, 21}}, {{19, 38, 292}}},
        // Fuel 0 and 255 are gaps; a drawn value after a gap starts without a step.
        CurveCase{"fuelGaps", Curve::Fuel, {0, 50, 50, 255, 60}, 1, 3, {{242, 19, 24}, {232, 28, 30}}, {}},
        CurveCase{"airGap", Curve::Air, {30, 0, 30}, 1, 3, {{262, 16, 18}, {262, 22, 24}}, {}},
        CurveCase{"airSteps", Curve::Air, {30, 31}, 1, 3, {{262, 16, 18}, {261, 19, 21}}, {{19, 262, 262}}},
        CurveCase{"singleSegment", Curve::Code, {100}, 1, 3, {{192, 16, 18}}, {}},
        // Zoom 4 with stretch 1: strokes 4 pixels long.
        CurveCase{"zoom4", Curve::Code, {1, 2}, 4, 1, {{291, 16, 19}, {290, 20, 23}}, {{20, 291, 291}}},
        CurveCase{"noSegments", Curve::Fuel, {}, 1, 3, {}, {}},
        CurveCase{"allUndrawn", Curve::Air, {0, 255, 0}, 1, 3, {}, {}}),
    [](const testing::TestParamInfo<CurveCase>& info) { return info.param.name; });

// 256 segments at zoom 4 fill the whole 1056-pixel layer from column 16 to 1039; values rising
// by one give 255 one-pixel steps.
TEST(Curve, FullPlotAtZoom4) {
  std::vector<std::uint8_t> values(256);
  for (int k = 0; k < 256; ++k) values[std::size_t(k)] = std::uint8_t(k);
  const TBitmap bitmap = DrawCurve(Curve::Code, values, {4, {20, 1, 1, 16, 1040}, 312}, {0, 1056});
  EXPECT_EQ(bitmap.Width(), 1056);
  for (int k = 0; k < 256; ++k) {
    for (int x = 16 + 4 * k; x < 20 + 4 * k; ++x) ASSERT_EQ(bitmap.Pixel(x, 292 - k), clBlue) << k;
  }
  EXPECT_EQ(bitmap.Pixel(15, 292), clAqua);
  EXPECT_EQ(bitmap.Pixel(1040, 37), clAqua);
  EXPECT_EQ(NonFill(bitmap).size(), 256u * 4u + 255u);
}

}  // namespace
