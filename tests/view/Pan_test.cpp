#include "view/Pan.h"

#include <gtest/gtest.h>

#include <vector>

using dgr::DragStep;
using dgr::DragStepInput;
using dgr::DragStepResult;
using dgr::LayersPan;
using dgr::ScrollPanInput;
using dgr::ScrollPanLeft;
using dgr::ZoomFactor;

namespace {

TEST(Zoom, ItemsGiveFactorsOneTwoFour) {
  EXPECT_EQ(ZoomFactor(0), 1);
  EXPECT_EQ(ZoomFactor(1), 2);
  EXPECT_EQ(ZoomFactor(2), 4);
  EXPECT_EQ(ZoomFactor(-1), 1);
  EXPECT_EQ(ZoomFactor(3), 4);
}

struct PanCase {
  const char* name;
  int blankWidth;
  int layerWidth;
  int max;
  std::vector<int> lefts;  // for positions 1 to max
};

class ScrollPanTest : public testing::TestWithParam<PanCase> {};

TEST_P(ScrollPanTest, LeftForEveryPosition) {
  const PanCase& c = GetParam();
  ASSERT_EQ(int(c.lefts.size()), c.max);
  for (int position = 1; position <= c.max; ++position) {
    const ScrollPanInput input{position, 1, c.max, c.layerWidth, c.layerWidth, c.blankWidth, 2};
    EXPECT_EQ(ScrollPanLeft(input), c.lefts[std::size_t(position - 1)]) << "position " << position;
  }
}

// Home at 2. The end positions span [blank - layer, 2]; middle positions inside that range
// keep whole steps of layer / Max.
INSTANTIATE_TEST_SUITE_P(
    Layers, ScrollPanTest,
    testing::Values(
        // 512 segments in the 697-pixel plot.
        PanCase{"count512Zoom2", 697, 1056, 3, {2, -352, -359}},
        PanCase{"count512Zoom4", 697, 2080, 5, {2, -416, -832, -1248, -1383}},
        // 256 segments in the 800-pixel plot at zoom 4: steps of 211, but positions 3 and 4
        // (-422, -633 by the step) would pan past the end at -256 and stop there.
        PanCase{"count256Zoom4", 800, 1056, 5, {2, -211, -256, -256, -256}},
        // At zoom 2 the layers fit: position 2 would give -266 and stays at 0, the end's Left.
        PanCase{"count256Zoom2Fits", 800, 800, 3, {2, 0, 0}}),
    [](const testing::TestParamInfo<PanCase>& info) { return info.param.name; });

struct DragCase {
  const char* name;
  DragStepInput input;
  int left;
  const char* text;
};

class DragStepTest : public testing::TestWithParam<DragCase> {};

TEST_P(DragStepTest, ClampsAndReports) {
  const DragCase& c = GetParam();
  const std::optional<DragStepResult> step = DragStep(c.input);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->Left, c.left);
  EXPECT_EQ(step->Text, c.text);
}

// Layers 1056 wide (512 segments at zoom 2) behind a 697-pixel plot, home at 2.
INSTANTIATE_TEST_SUITE_P(
    Moves, DragStepTest,
    testing::Values(
        // -360 would leave the layers' right edge short of the plot's: stops at -359.
        DragCase{"pastTheRightEnd", {-350, 1056, 697, 2, 300, 290}, -359, "-350 : -359 : 290"},
        DragCase{"within", {-350, 1056, 697, 2, 300, 310}, -340, "-350 : -340 : 310"},
        DragCase{"exactlyAtTheEnd", {-350, 1056, 697, 2, 300, 291}, -359, "-350 : -359 : 291"},
        // 15 would move the left edge past home while moving right: stops at 2.
        DragCase{"pastHome", {-5, 1056, 697, 2, 100, 120}, 2, "-5 : 2 : 120"},
        DragCase{"exactlyHome", {-5, 1056, 697, 2, 100, 107}, 2, "-5 : 2 : 107"},
        DragCase{"noMove", {-100, 1056, 697, 2, 50, 50}, -100, "-100 : -100 : 50"}),
    [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

TEST(DragStep, LayersThatFitDoNotPan) {
  EXPECT_FALSE(LayersPan(800, 800));
  EXPECT_TRUE(LayersPan(1056, 800));
  EXPECT_FALSE(DragStep({2, 800, 800, 2, 100, 50}));
}

}  // namespace
