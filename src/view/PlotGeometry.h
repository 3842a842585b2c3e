#pragma once

#include "platform/graphics/Color.h"

namespace dgr {

using platform::graphics::TColor;
using platform::graphics::clAqua;
using platform::graphics::clMedGray;

// Colours of the plot layers: every layer is filled with the aqua that the curve layers leave
// see-through, and the grid lines are medium grey.
constexpr TColor LayerFillColor = clAqua;
constexpr TColor GridLineColor = clMedGray;

// Where the plot lies in the layer bitmaps, as the grid drawing leaves it for the curves and the
// cursor read-out. Segment k occupies columns LeftMargin + k * Stretch * Zoom up to the next
// segment's; code value v lies on row (layer height - BottomMargin) - v * YScale.
struct PlotGeometry {
  int BottomMargin = 0;
  int Stretch = 1;  // pixels per segment at zoom 1
  int YScale = 0;   // pixels per code unit
  int LeftMargin = 0;
  int PlotRight = 0;
  friend bool operator==(const PlotGeometry&, const PlotGeometry&) = default;
};

}  // namespace dgr
