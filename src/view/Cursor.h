#pragma once

#include <optional>

#include "view/PlotGeometry.h"

namespace dgr {

struct CursorInput {
  int X = 0;         // pointer x relative to the blank layer
  int HomeLeft = 0;  // where the blank layer lies in the plot panel
  int CodeLeft = 0;  // where the moving layers lie in the plot panel
  PlotGeometry Geometry;
  int Zoom = 1;
  int SegmentCount = 0;
};

// The segment under the pointer, counted from 0, or nothing when no segment is drawn there: the
// pointer's column in the layers, floor-divided by the segment width, within [0, SegmentCount).
std::optional<int> CursorSegment(const CursorInput& input);

}  // namespace dgr
