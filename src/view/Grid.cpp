#include "view/Grid.h"

#include <string>

namespace dgr {

using platform::graphics::TSize;
using enum platform::graphics::TPenStyle;

namespace {

constexpr int GridBottomMargin = 20;
constexpr int LineTop = 8;       // vertical lines end just below row 8
constexpr int LabelDrop = 6;     // vertical lines start this far below the zero line
constexpr int LevelStep = 20;    // code units between level lines

void DrawLines(ColumnCanvas& canvas, const PlotState& input, const PlotGeometry& g) {
  const int n = input.SegmentCount;
  const int zoom = input.Zoom;
  const int zeroY = input.LayerHeight - g.BottomMargin;
  const int labelY = zeroY + LabelDrop;
  canvas.Pen().Color = GridLineColor;

  canvas.Pen().Style = psSolid;
  canvas.MoveTo(g.LeftMargin, zeroY);
  canvas.LineTo(g.PlotRight, zeroY);

  // Segment lines every 8 segments from the right end, with the segment number below (every
  // second line and the leftmost) and the scale above on two alternating rows.
  canvas.Pen().Style = psDot;
  const int step = g.Stretch * 8 * zoom;
  const int topStep = input.DepotMode ? 250 : 125;
  int segment = n;
  for (int x = g.PlotRight, k = 0; x >= g.LeftMargin; x -= step, segment -= 8, ++k) {
    canvas.MoveTo(x, labelY);
    canvas.LineTo(x, LineTop);
    if (k % 2 == 0 || x - step < g.LeftMargin) {
      const std::string bottom = std::to_string(segment);
      canvas.TextOut(x - canvas.TextExtent(bottom).cx / 2, labelY, bottom);
    }
    const std::string top = std::to_string(topStep * k);
    const TSize extent = canvas.TextExtent(top);
    canvas.TextOut(x - extent.cx / 2, k % 2 == 0 ? 0 : extent.cy - 2, top);
  }

  // Group lines and the left border run through the labels. Zoom is no factor of their step.
  canvas.Pen().Style = psDash;
  const int groupStep = g.Stretch * input.GroupSize;
  if (groupStep > 0) {
    for (int x = g.PlotRight; x > g.LeftMargin; x -= groupStep) {
      canvas.MoveTo(x, labelY);
      canvas.LineTo(x, LineTop);
    }
  }
  canvas.MoveTo(g.LeftMargin, labelY);
  canvas.LineTo(g.LeftMargin, LineTop);

  // Level lines cross everything drawn before.
  canvas.Pen().Style = psDot;
  const int levelStep = LevelStep * g.YScale;
  if (levelStep > 0) {
    for (int y = zeroY - levelStep; levelStep + LineTop < y; y -= levelStep) {
      canvas.MoveTo(g.LeftMargin, y);
      canvas.LineTo(g.PlotRight, y);
    }
  }
}

}  // namespace

int LayerWidth(int segmentCount, int zoom, int plotWidth) {
  const int whole = segmentCount * zoom + 32;
  return whole > plotWidth ? whole : plotWidth;
}

PlotGeometry GridGeometry(const PlotState& input, const PlotGeometry& previous) {
  PlotGeometry g = previous;
  g.BottomMargin = GridBottomMargin;
  const int n = input.SegmentCount;
  if (n <= 0) return g;
  const int plotPixels = n * input.Zoom;
  g.Stretch = plotPixels < input.PlotWidth ? input.PlotWidth / plotPixels : 1;
  g.YScale = (input.LayerHeight - g.BottomMargin) / 255;
  const int spare = LayerWidth(n, input.Zoom, input.PlotWidth) - g.Stretch * plotPixels;
  g.LeftMargin = spare / 2;
  g.PlotRight = g.LeftMargin + g.Stretch * plotPixels;
  return g;
}

TBitmap DrawGrid(const PlotState& state, const PlotGeometry& geometry, ColumnRange columns) {
  ColumnCanvas canvas(columns, state.LayerHeight, LayerFillColor);
  if (state.SegmentCount > 0) DrawLines(canvas, state, geometry);
  return canvas.Take();
}

}  // namespace dgr
