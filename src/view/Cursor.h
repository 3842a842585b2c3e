#pragma once

#include <optional>

#include "view/PlotGeometry.h"

namespace dgr {

struct CursorInput {
  int X = 0;  // pointer x relative to the blank layer
  int CodeLeft = 0;
  int CodeWidth = 0;
  int PlotWidth = 0;
  PlotGeometry Geometry;
  int Zoom = 1;
  int SegmentCount = 0;
};

// The segment under the pointer, counted from 0, or nothing when the pointer is beside the plot.
// When the layers are as wide as the visible plot their offset is ignored and the pointer must
// lie between LeftMargin and PlotRight; the index then comes from the geometry alone and may
// reach SegmentCount when the geometry belongs to an earlier file, so readers check it against
// their arrays. Otherwise the layers' offset counts, the division truncates toward zero, and the
// index lies within [0, SegmentCount).
std::optional<int> CursorSegment(const CursorInput& input);

}  // namespace dgr
