#include "view/Cursor.h"

namespace dgr {

std::optional<int> CursorSegment(const CursorInput& input) {
  const int segmentWidth = input.Geometry.Stretch * input.Zoom;
  if (segmentWidth <= 0) return std::nullopt;
  const int column = input.X + input.HomeLeft - input.CodeLeft - input.Geometry.LeftMargin;
  if (column < 0) return std::nullopt;
  const int index = column / segmentWidth;
  if (index >= input.SegmentCount) return std::nullopt;
  return index;
}

}  // namespace dgr
