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

// Layers at home: 256 segments, left margin 16, stretch 3, zoom 1; the blank layer at 2.
constexpr PlotGeometry Fitting{20, 3, 1, 16, 784};
CursorInput Fit(int x, int codeLeft = 2) { return {x, 2, codeLeft, Fitting, 1, 256}; }

// Layers wider than the plot: 256 segments at zoom 4, stretch 1, left margin 16.
constexpr PlotGeometry Wide{20, 1, 1, 16, 1040};
CursorInput Panned(int x, int codeLeft) { return {x, 2, codeLeft, Wide, 4, 256}; }

INSTANTIATE_TEST_SUITE_P(
    Pointer, CursorTest,
    testing::Values(
        CursorCase{"leftMargin", Fit(15), std::nullopt},
        CursorCase{"firstColumn", Fit(16), 0},
        CursorCase{"firstSegmentEnd", Fit(18), 0},
        CursorCase{"secondSegment", Fit(19), 1},
        CursorCase{"lastColumn", Fit(783), 255},
        CursorCase{"plotRight", Fit(784), std::nullopt},
        // Layers moved by the scroll bar count with their offset.
        CursorCase{"movedLayers", Fit(19, -266), 90},
        // The blank layer sits at 2 in the panel: its X 14 is the layers' column 0.
        CursorCase{"blankOffsetCounts", {14, 2, 0, Fitting, 1, 256}, 0},
        CursorCase{"countBoundsTheIndex", {700, 2, 2, Fitting, 1, 10}, std::nullopt},
        // Columns left of the first segment floor to -1: nothing, not segment 0.
        CursorCase{"justBeforeTheFirst", Panned(14, 2), std::nullopt},
        CursorCase{"floorsBelowZero", Panned(15, 2), std::nullopt},
        CursorCase{"firstSegmentFirst", Panned(16, 2), 0},
        CursorCase{"firstSegmentLast", Panned(19, 2), 0},
        CursorCase{"pannedSecond", Panned(20, 2), 1},
        CursorCase{"pannedFar", Panned(0, -211), 49},
        CursorCase{"lastSegment", Panned(1039, 2), 255},
        CursorCase{"pastTheLast", Panned(1040, 2), std::nullopt},
        CursorCase{"noSegments", {100, 2, 2, Wide, 4, 0}, std::nullopt}),
    [](const testing::TestParamInfo<CursorCase>& info) { return info.param.name; });

}  // namespace
