#include "view/Cursor.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using dgr::CursorInput;
using dgr::CursorSegment;
using dgr::PlotGeometry;

namespace {

struct CursorCase {
  const char* name;
  CursorInput input;
  std::optional<int> index;
};

class CursorTest : public testing::TestWithParam<CursorCase> {};

TEST_P(CursorTest, SegmentUnderThePointer) {
  const CursorCase& c = GetParam();
  EXPECT_EQ(CursorSegment(c.input), c.index);
}

// Layers as wide as the plot: 256 segments, left margin 16, stretch 3, zoom 1, plot right 784.
constexpr PlotGeometry Fitting{20, 3, 1, 16, 784};
CursorInput Fit(int x, int codeLeft = 2) { return {x, codeLeft, 800, 800, Fitting, 1, 256}; }

// Layers wider than the plot: 256 segments at zoom 4, stretch 1, left margin 16.
constexpr PlotGeometry Wide{20, 1, 1, 16, 1040};
CursorInput Panned(int x, int codeLeft) { return {x, codeLeft, 1056, 800, Wide, 4, 256}; }

INSTANTIATE_TEST_SUITE_P(
    Pointer, CursorTest,
    testing::Values(
        CursorCase{"leftMargin", Fit(15), std::nullopt},
        CursorCase{"firstColumn", Fit(16), 0},
        CursorCase{"firstSegmentEnd", Fit(18), 0},
        CursorCase{"secondSegment", Fit(19), 1},
        CursorCase{"lastColumn", Fit(783), 255},
        CursorCase{"plotRight", Fit(784), std::nullopt},
        // The offset of layers that fit is ignored, even when a scroll bar moved them.
        CursorCase{"fitIgnoresOffset", Fit(19, -266), 1},
        // Geometry of an earlier, longer file: the index may pass the count; readers check it.
        CursorCase{"staleGeometry", {700, 2, 800, 800, Fitting, 1, 10}, 228},
        // -4 / 4 = -1: beside the plot; -3 / 4 truncates to 0, so X 15 still shows segment 1.
        CursorCase{"truncatedBelowZero", Panned(14, 2), std::nullopt},
        CursorCase{"truncatesTowardZero", Panned(15, 2), 0},
        CursorCase{"firstSegmentLast", Panned(21, 2), 0},
        CursorCase{"pannedSecond", Panned(22, 2), 1},
        CursorCase{"pannedFar", Panned(0, -211), 48},
        CursorCase{"lastSegment", Panned(1041, 2), 255},
        CursorCase{"pastTheLast", Panned(1042, 2), std::nullopt},
        CursorCase{"noSegments", {100, 2, 1056, 800, Wide, 4, 0}, std::nullopt}),
    [](const testing::TestParamInfo<CursorCase>& info) { return info.param.name; });

}  // namespace
