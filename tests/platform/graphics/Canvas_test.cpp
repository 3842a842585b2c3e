#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

using platform::graphics::TBitmap;
using platform::graphics::TBrushStyle;
using platform::graphics::TCanvas;
using platform::graphics::TColor;
using platform::graphics::TPenStyle;
using platform::graphics::TPoint;
using platform::graphics::clAqua;
using platform::graphics::clRed;
using platform::graphics::clWhite;
using enum platform::graphics::TBrushStyle;
using enum platform::graphics::TPenStyle;

namespace {

constexpr TColor Ink = clRed;
constexpr TColor Gap = clAqua;

// A bitmap with a red pen and an aqua brush over white paper.
struct CanvasFixture : testing::Test {
  TBitmap bitmap{60, 40};
  TCanvas& canvas = bitmap.Canvas();
  CanvasFixture() {
    canvas.Pen.Color = Ink;
    canvas.Brush.Color = Gap;
  }
};

// Expected colour of the pixel at distance i from a line's start.
TColor PatternColor(TPenStyle style, std::int64_t i, bool opaque) {
  const std::int64_t on = style == psDot ? 3 : style == psDash ? 18 : 1;
  const std::int64_t period = style == psDot ? 6 : style == psDash ? 24 : 1;
  if (i % period < on) return Ink;
  return opaque ? Gap : clWhite;
}

int CountOf(const TBitmap& bitmap, TColor color) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) == color;
  return count;
}

TEST_F(CanvasFixture, FillRectPaintsTheHalfOpenRectangleClipped) {
  canvas.FillRect(-10, 35, 3, 1000);
  EXPECT_EQ(CountOf(bitmap, Gap), 3 * 5);
  EXPECT_EQ(bitmap.Pixel(2, 39), Gap);
  EXPECT_EQ(bitmap.Pixel(3, 39), clWhite);
  EXPECT_EQ(bitmap.Pixel(2, 34), clWhite);
  canvas.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(CountOf(bitmap, Gap), 60 * 40);
}

TEST_F(CanvasFixture, EmptyOrClearFillPaintsNothing) {
  canvas.FillRect(10, 10, 10, 20);
  canvas.FillRect(10, 10, 5, 20);
  canvas.Brush.Style = bsClear;
  canvas.FillRect(0, 0, 60, 40);
  EXPECT_EQ(CountOf(bitmap, Gap), 0);
}

TEST_F(CanvasFixture, LineToLeavesTheEndPointUnpaintedInEveryDirection) {
  struct Case {
    int x0, y0, x1, y1;
  };
  const std::vector<Case> cases = {{5, 5, 15, 5},  {15, 5, 5, 5},   {5, 5, 5, 15},  {5, 15, 5, 5},
                                   {5, 5, 15, 9},  {15, 9, 5, 5},   {5, 5, 9, 15},  {9, 15, 5, 5},
                                   {5, 5, 15, 15}, {15, 5, 5, 15},  {20, 20, 20, 20}};
  for (const Case& c : cases) {
    TBitmap fresh(30, 30);
    TCanvas& draw = fresh.Canvas();
    draw.Pen.Color = Ink;
    draw.MoveTo(c.x0, c.y0);
    draw.LineTo(c.x1, c.y1);
    const int length = std::max(std::abs(c.x1 - c.x0), std::abs(c.y1 - c.y0));
    EXPECT_EQ(CountOf(fresh, Ink), length) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
    EXPECT_EQ(fresh.Pixel(c.x1, c.y1), clWhite);
    if (length > 0) {
      EXPECT_EQ(fresh.Pixel(c.x0, c.y0), Ink);
    }
    EXPECT_EQ(draw.PenPos(), (TPoint{c.x1, c.y1}));
  }
}

TEST_F(CanvasFixture, MoveToPaintsNothing) {
  canvas.MoveTo(3, 4);
  EXPECT_EQ(canvas.PenPos(), (TPoint{3, 4}));
  EXPECT_EQ(CountOf(bitmap, Ink), 0);
}

// Each pattern restarts at the pen position of every LineTo, whichever way the line runs, and
// its gaps take the brush colour while the brush is solid.
TEST_F(CanvasFixture, PatternsRestartAtEveryLineToWithOpaqueGaps) {
  struct Case {
    TPenStyle style;
    TBrushStyle brush;
  };
  for (const Case c : {Case{psSolid, bsSolid}, Case{psDot, bsSolid}, Case{psDash, bsSolid},
                       Case{psDot, bsClear}, Case{psDash, bsClear}}) {
    TBitmap fresh(60, 40);
    TCanvas& draw = fresh.Canvas();
    draw.Pen = {Ink, c.style};
    draw.Brush = {Gap, c.brush};
    const bool opaque = c.brush == bsSolid;
    // Right along row 2, then down column 50, then back left along row 30, then up column 4.
    draw.MoveTo(0, 2);
    draw.LineTo(50, 2);
    draw.LineTo(50, 30);
    draw.LineTo(4, 30);
    draw.LineTo(4, 3);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(fresh.Pixel(i, 2), PatternColor(c.style, i, opaque)) << i;
    for (int i = 0; i < 28; ++i) EXPECT_EQ(fresh.Pixel(50, 2 + i), PatternColor(c.style, i, opaque)) << i;
    for (int i = 0; i < 46; ++i) EXPECT_EQ(fresh.Pixel(50 - i, 30), PatternColor(c.style, i, opaque)) << i;
    for (int i = 0; i < 27; ++i) EXPECT_EQ(fresh.Pixel(4, 30 - i), PatternColor(c.style, i, opaque)) << i;
    EXPECT_EQ(fresh.Pixel(4, 3), clWhite);
  }
}

TEST_F(CanvasFixture, SlantedLinesFollowThePatternAlongTheMajorAxis) {
  canvas.Pen.Style = psDot;
  canvas.MoveTo(0, 0);
  canvas.LineTo(40, 10);
  for (int x = 0; x < 40; ++x) {
    const int y = (2 * x * 10 + 40) / 80;
    EXPECT_EQ(bitmap.Pixel(x, y), PatternColor(psDot, x, true)) << x;
  }
  EXPECT_EQ(CountOf(bitmap, Ink) + CountOf(bitmap, Gap), 40);
}

TEST_F(CanvasFixture, BresenhamStepsRoundTheMinorAxis) {
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 2);
  EXPECT_EQ(bitmap.Pixel(0, 0), Ink);
  EXPECT_EQ(bitmap.Pixel(1, 1), Ink);
  EXPECT_EQ(bitmap.Pixel(2, 1), Ink);
  EXPECT_EQ(bitmap.Pixel(3, 2), Ink);
  EXPECT_EQ(CountOf(bitmap, Ink), 4);
}

// Lines that start or end far outside the bitmap paint exactly the pixels of the whole line
// that fall inside it, in the pattern phase of the whole line.
TEST(CanvasClipping, ClippedLinesMatchTheUnclippedLine) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-80, 120);
  const TPenStyle styles[] = {psSolid, psDot, psDash};
  for (int round = 0; round < 400; ++round) {
    const int x0 = coordinate(random), y0 = coordinate(random);
    const int x1 = coordinate(random), y1 = coordinate(random);
    const TPenStyle style = styles[round % 3];
    TBitmap small(40, 30);
    TCanvas& draw = small.Canvas();
    draw.Pen = {Ink, style};
    draw.Brush.Color = Gap;
    draw.MoveTo(x0, y0);
    draw.LineTo(x1, y1);

    TBitmap expected(40, 30);
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const std::int64_t major = std::max(std::abs(dx), std::abs(dy));
    const std::int64_t minor = std::min(std::abs(dx), std::abs(dy));
    for (std::int64_t i = 0; i < major; ++i) {
      const std::int64_t along = (2 * i * minor + major) / (2 * major);
      const bool xMajor = std::abs(dx) >= std::abs(dy);
      const std::int64_t x = x0 + (xMajor ? (dx > 0 ? i : -i) : (dx > 0 ? along : -along));
      const std::int64_t y = y0 + (xMajor ? (dy > 0 ? along : -along) : (dy > 0 ? i : -i));
      if (x >= 0 && x < 40 && y >= 0 && y < 30) expected.SetPixel(int(x), int(y), PatternColor(style, i, true));
    }
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        ASSERT_EQ(small.Pixel(x, y), expected.Pixel(x, y))
            << x0 << "," << y0 << " -> " << x1 << "," << y1 << " at " << x << "," << y;
  }
}

TEST(CanvasClipping, ExtremeCoordinatesNeverWriteOutside) {
  struct Case {
    int x0, y0, x1, y1;
    int painted;  // pixels inside the 16 x 8 bitmap
  };
  const std::vector<Case> cases = {
      {INT_MIN, 3, INT_MAX, 3, 16},      {INT_MAX, 3, INT_MIN, 3, 16},  {5, INT_MIN, 5, INT_MAX, 8},
      {5, INT_MAX, 5, INT_MIN, 8},       {INT_MIN, 0, 16, 0, 16},        {-20, 2, -1, 2, 0},
      {16, 2, 1000, 2, 0},               {3, -1, 3, -100, 0},            {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 8},
      {INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0},
      // Rounds to row 5 from the midpoint on, which is x = 0.
      {-1000000000, 4, 1000000000, 5, 16}};
  for (const Case& c : cases) {
    TBitmap small(16, 8);
    TCanvas& draw = small.Canvas();
    draw.Pen.Color = Ink;
    draw.MoveTo(c.x0, c.y0);
    draw.LineTo(c.x1, c.y1);
    EXPECT_EQ(CountOf(small, Ink), c.painted) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
  }
}

TEST(CanvasClipping, PatternPhaseCountsFromTheUnclippedStart) {
  TBitmap small(30, 3);
  TCanvas& draw = small.Canvas();
  draw.Pen = {Ink, psDash};
  draw.Brush.Color = Gap;
  draw.MoveTo(-1000, 1);
  draw.LineTo(100, 1);
  for (int x = 0; x < 30; ++x) EXPECT_EQ(small.Pixel(x, 1), PatternColor(psDash, x + 1000, true)) << x;
}

}  // namespace
