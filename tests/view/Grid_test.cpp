#include "view/Grid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "view/Plot.h"

using dgr::GridGeometry;
using dgr::LayerWidth;
using dgr::PlotGeometry;
using platform::graphics::TBitmap;
using platform::graphics::TCanvas;
using platform::graphics::TColor;
using platform::graphics::clAqua;
using platform::graphics::clMedGray;

namespace {

constexpr int Height = 312;
constexpr int ZeroY = 292;
constexpr int LabelY = 298;  // vertical lines run from here up to row 9

struct GridCase {
  const char* name;
  int segments;
  int zoom;
  int plotWidth;
  bool depot;
  int layerWidth;
  PlotGeometry geometry;
  bool goesHome;
};

dgr::PlotState InputOf(const GridCase& c) {
  return {c.segments, c.zoom, c.plotWidth, c.depot, c.depot ? 16 : 32, Height};
}

// The geometry left by an earlier draw; a draw with segments replaces all of it.
constexpr PlotGeometry Earlier{20, 7, 1, 5, 9};

// The grid layer the plot pipeline renders after the earlier draw.
dgr::PlotLayers Plot(const dgr::PlotState& state) { return dgr::RenderPlot({}, state, Earlier); }

const std::vector<GridCase> Cases = {
    {"count256", 256, 1, 800, false, 800, {20, 3, 1, 16, 784}, true},
    {"count256Depot", 256, 1, 800, true, 800, {20, 3, 1, 16, 784}, true},
    {"count256Zoom2", 256, 2, 800, false, 800, {20, 1, 1, 144, 656}, true},
    {"count256Zoom4", 256, 4, 800, false, 1056, {20, 1, 1, 16, 1040}, false},
    {"count512", 512, 1, 697, false, 697, {20, 1, 1, 92, 604}, true},
    {"count512Zoom2", 512, 2, 697, false, 1056, {20, 1, 1, 16, 1040}, false},
    {"count512Zoom4", 512, 4, 697, true, 2080, {20, 1, 1, 16, 2064}, false},
    {"count128", 128, 1, 697, false, 697, {20, 5, 1, 28, 668}, true},
    {"count400", 400, 1, 832, false, 832, {20, 2, 1, 16, 816}, true},
    {"count256NarrowScreen", 256, 1, 697, false, 697, {20, 2, 1, 92, 604}, true},
    {"count20", 20, 1, 697, false, 697, {20, 34, 1, 8, 688}, true},
    {"count12", 12, 1, 697, false, 697, {20, 58, 1, 0, 696}, true},
    // No segments: a plain layer, the earlier geometry stays.
    {"count0", 0, 1, 697, false, 697, {20, 7, 1, 5, 9}, true},
    {"count0Zoom4", 0, 4, 800, false, 800, {20, 7, 1, 5, 9}, true},
    {"count0BeforeAnyFile", 0, 1, 0, false, 32, {20, 7, 1, 5, 9}, false},
};

class GridTest : public testing::TestWithParam<GridCase> {};

TEST_P(GridTest, GeometryAndLayerWidth) {
  const GridCase& c = GetParam();
  EXPECT_EQ(GridGeometry(InputOf(c), Earlier), c.geometry);
  EXPECT_EQ(LayerWidth(c.segments, c.zoom, c.plotWidth), c.layerWidth);
  const dgr::PlotLayers layer = Plot(InputOf(c));
  EXPECT_EQ(layer.Geometry, c.geometry);
  EXPECT_EQ(layer.Width, c.layerWidth);
  EXPECT_EQ(layer.Grid.Width(), c.layerWidth);
  EXPECT_EQ(layer.Grid.Height(), Height);
  EXPECT_EQ(layer.GoesHome, c.goesHome);
}

// What the picture must show, worked out from the geometry: where the lines stand and which
// labels they carry.
struct SegmentLine {
  int x;
  int k;
  int segment;
  bool bottomLabel;
};

std::vector<SegmentLine> SegmentLines(const GridCase& c) {
  std::vector<SegmentLine> lines;
  const PlotGeometry& g = c.geometry;
  const int step = g.Stretch * 8 * c.zoom;
  for (int x = g.PlotRight, k = 0, n = c.segments; x >= g.LeftMargin; x -= step, ++k, n -= 8) {
    lines.push_back({x, k, n, k % 2 == 0 || x - step < g.LeftMargin});
  }
  return lines;
}

std::set<int> DashedColumns(const GridCase& c) {
  std::set<int> columns{c.geometry.LeftMargin};
  for (int x = c.geometry.PlotRight; x > c.geometry.LeftMargin; x -= c.geometry.Stretch * (c.depot ? 16 : 32)) {
    columns.insert(x);
  }
  return columns;
}

std::set<int> LevelRows() {
  std::set<int> rows;
  for (int y = ZeroY - 20; y > 28; y -= 20) rows.insert(y);
  return rows;
}

bool Dotted(int i) { return i % 6 < 3; }
bool Dashed(int i) { return i % 24 < 18; }
TColor ColorOf(bool ink) { return ink ? clMedGray : clAqua; }

enum class Column { Plain, Dotted, Dashed, Other };

// Classifies a column by its rows between the top labels and the zero line, away from the level
// lines: the pattern of a vertical line that starts at row 298, or plain fill.
Column ClassifyColumn(const TBitmap& bitmap, int x) {
  const std::set<int> levels = LevelRows();
  bool plain = true, dotted = true, dashed = true;
  for (int y = 24; y < LabelY; ++y) {
    if (levels.count(y) || y == ZeroY) continue;
    const TColor pixel = bitmap.Pixel(x, y);
    plain &= pixel == clAqua;
    dotted &= pixel == ColorOf(Dotted(LabelY - y));
    dashed &= pixel == ColorOf(Dashed(LabelY - y));
  }
  return plain ? Column::Plain : dotted ? Column::Dotted : dashed ? Column::Dashed : Column::Other;
}

// A rectangle of the picture that one drawing step paints, with its place in the drawing order.
struct Area {
  int left, top, right, bottom;  // half-open
  int order;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Label {
  std::string text;
  int x, y;
  bool present;
  Area box;
};

// The vertical lines and label boxes in the order the grid draws them: for each segment line
// from the right, the line, its bottom label, its top label.
void LabelsAndLines(const GridCase& c, const TCanvas& canvas, std::vector<Label>& labels, std::vector<Area>& areas) {
  const int topStep = c.depot ? 250 : 125;
  int order = 0;
  for (const SegmentLine& line : SegmentLines(c)) {
    areas.push_back({line.x, 9, line.x + 1, LabelY + 1, order++});
    const std::string bottom = std::to_string(line.segment);
    const int bottomWidth = canvas.TextExtent(bottom).cx;
    const Area bottomBox{line.x - bottomWidth / 2, LabelY, line.x - bottomWidth / 2 + bottomWidth, LabelY + 13, order++};
    labels.push_back({bottom, line.x, LabelY, line.bottomLabel, bottomBox});
    if (line.bottomLabel) areas.push_back(bottomBox);
    const std::string top = std::to_string(topStep * line.k);
    const int topWidth = canvas.TextExtent(top).cx;
    const int topY = line.k % 2 == 0 ? 0 : 11;
    const Area topBox{line.x - topWidth / 2, topY, line.x - topWidth / 2 + topWidth, topY + 13, order++};
    labels.push_back({top, line.x, topY, true, topBox});
    areas.push_back(topBox);
  }
}

// Compares each label with the same text drawn alone (or with plain fill where a label is
// absent), over the pixels of its box that nothing drawn later paints: a later line or label,
// a dashed line, a level line.
void ExpectLabels(const GridCase& c, const TBitmap& grid, const std::set<int>& dashed) {
  TBitmap alone(grid.Width(), grid.Height());
  TCanvas& canvas = alone.Canvas();
  canvas.Brush.Color = clAqua;
  std::vector<Label> labels;
  std::vector<Area> areas;
  LabelsAndLines(c, canvas, labels, areas);
  const std::set<int> levels = LevelRows();
  for (const Label& label : labels) {
    canvas.FillRect(0, 0, alone.Width(), alone.Height());
    if (label.present) canvas.TextOut(label.box.left, label.y, label.text);
    int compared = 0;
    for (int row = label.box.top; row < label.box.bottom; ++row) {
      for (int column = std::max(label.box.left, 0); column < std::min(label.box.right, grid.Width()); ++column) {
        if (dashed.count(column) && row >= 9 && row <= LabelY) continue;
        if (levels.count(row)) continue;
        bool hidden = false;
        for (const Area& area : areas) {
          const bool later = label.present ? area.order > label.box.order : area.order != label.box.order;
          hidden |= later && area.Contains(column, row);
        }
        if (hidden) continue;
        ++compared;
        ASSERT_EQ(grid.Pixel(column, row), alone.Pixel(column, row))
            << "label " << label.text << (label.present ? "" : " (absent)") << " at " << column << "," << row;
      }
    }
    if (label.present) {
      EXPECT_GT(compared, 0) << "label " << label.text << " is hidden entirely";
    }
  }
}

TEST_P(GridTest, Picture) {
  const GridCase& c = GetParam();
  const TBitmap grid = Plot(InputOf(c)).Grid;
  if (c.segments == 0) {
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < grid.Width(); ++x) ASSERT_EQ(grid.Pixel(x, y), clAqua) << x << "," << y;
    return;
  }
  const PlotGeometry& g = c.geometry;
  const std::vector<SegmentLine> lines = SegmentLines(c);
  const std::set<int> dashed = DashedColumns(c);

  // Dotted segment lines, dashed group lines and left border, plain fill elsewhere.
  std::set<int> dotted;
  for (const SegmentLine& line : lines) {
    if (!dashed.count(line.x)) dotted.insert(line.x);
  }
  for (int x = 0; x < grid.Width(); ++x) {
    const Column expected = dashed.count(x) ? Column::Dashed : dotted.count(x) ? Column::Dotted : Column::Plain;
    ASSERT_EQ(ClassifyColumn(grid, x), expected) << "column " << x;
  }

  // The solid zero line, from the left margin up to the plot's right edge.
  for (int x = 0; x < grid.Width(); ++x) {
    const bool onLine = x >= g.LeftMargin && x < g.PlotRight;
    if (onLine) {
      ASSERT_EQ(grid.Pixel(x, ZeroY), clMedGray) << x;
    } else if (!dashed.count(x) && !dotted.count(x)) {
      ASSERT_EQ(grid.Pixel(x, ZeroY), clAqua) << x;
    }
  }

  // Dotted level lines on rows 272, 252, ..., 32, crossing every vertical line.
  const std::set<int> levels = LevelRows();
  ASSERT_EQ(levels.size(), 13u);
  for (int y : levels) {
    for (int x = g.LeftMargin; x < g.PlotRight; ++x) {
      ASSERT_EQ(grid.Pixel(x, y), ColorOf(Dotted(x - g.LeftMargin))) << x << "," << y;
    }
  }

  // Labels: the segment number below every second line and the leftmost, the scale above every
  // line on alternating rows. Their boxes hide their own line; dashed lines run through them.
  ExpectLabels(c, grid, dashed);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<GridCase>& info) { return info.param.name; });

// The worked figures, spelled out for the 256-segment plot at zoom 1.
TEST(GridFigures, Count256LinesAndLabels) {
  const GridCase& c = Cases[0];
  const std::vector<SegmentLine> lines = SegmentLines(c);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines.front().x, 784);
  EXPECT_EQ(lines[1].x, 760);
  EXPECT_EQ(lines.back().x, 16);
  EXPECT_EQ(lines[2].x, 736);
  EXPECT_EQ(lines[2].segment, 240);
  EXPECT_EQ(lines[30].x, 64);
  EXPECT_EQ(lines[30].segment, 16);
  EXPECT_EQ(lines.back().segment, 0);
  EXPECT_EQ(DashedColumns(c), (std::set<int>{16, 112, 208, 304, 400, 496, 592, 688, 784}));
  std::set<int> depotGroups = DashedColumns(Cases[1]);
  depotGroups.erase(16);
  EXPECT_EQ(depotGroups.size(), 16u);
  EXPECT_EQ(*depotGroups.begin(), 64);

  // The bottom label "256" is centred on column 784, covering its own line's row 298 but for
  // the dashed group line through it; the line beside it, 760, carries no bottom label.
  const TBitmap grid = Plot(InputOf(c)).Grid;
  EXPECT_EQ(grid.Pixel(784, LabelY), clMedGray);
  EXPECT_EQ(grid.Pixel(760, LabelY), clMedGray);
  for (int y = LabelY + 1; y < Height; ++y) EXPECT_EQ(grid.Pixel(760, y), clAqua) << y;
}

TEST(GridFigures, FewSegmentsLabelTheLeftmostLineAlways) {
  const GridCase& twenty = Cases[10];
  const std::vector<SegmentLine> lines20 = SegmentLines(twenty);
  ASSERT_EQ(lines20.size(), 3u);
  EXPECT_EQ(lines20[0].x, 688);
  EXPECT_EQ(lines20[1].x, 416);
  EXPECT_EQ(lines20[2].x, 144);
  EXPECT_FALSE(lines20[1].bottomLabel);
  EXPECT_EQ(lines20[2].segment, 4);
  const std::vector<SegmentLine> lines12 = SegmentLines(Cases[11]);
  ASSERT_EQ(lines12.size(), 2u);
  EXPECT_EQ(lines12[1].x, 232);
  EXPECT_TRUE(lines12[1].bottomLabel);
  EXPECT_EQ(lines12[1].segment, 4);
}

// A layer too low for one code unit per pixel draws no level lines instead of looping forever.
TEST(GridFigures, LowLayerDrawsNoLevelLines) {
  const dgr::PlotLayers layer = Plot({256, 1, 800, false, 32, 200});
  EXPECT_EQ(layer.Geometry.YScale, 0);
  // Between the left border and the next segment line, below the top labels, all is fill.
  for (int y = 24; y < 180; ++y)
    for (int x = 17; x < 40; ++x) ASSERT_EQ(layer.Grid.Pixel(x, y), clAqua) << x << "," << y;
}

}  // namespace
