#include "view/Cursor.h"

namespace dgr {

std::optional<int> CursorSegment(const CursorInput& input) {
  const PlotGeometry& g = input.Geometry;
  const int segmentWidth = g.Stretch * input.Zoom;
  if (input.CodeWidth == input.PlotWidth) {
    if (input.X < g.LeftMargin || input.X >= g.PlotRight) return std::nullopt;
    return (input.X - g.LeftMargin) / segmentWidth;
  }
  const int index = (input.X - input.CodeLeft - g.LeftMargin) / segmentWidth;
  if (index < 0 || index >= input.SegmentCount) return std::nullopt;
  return index;
}

}  // namespace dgr
