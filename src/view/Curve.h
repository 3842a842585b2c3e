#pragma once

#include <cstdint>
#include <span>

#include "platform/graphics/Bitmap.h"
#include "view/Columns.h"
#include "view/Curves.h"
#include "view/PlotGeometry.h"

namespace dgr {

using platform::graphics::TBitmap;

struct CurveInput {
  int Zoom = 1;
  PlotGeometry Geometry;  // as the grid drawing left it
  int LayerHeight = 0;
};

// Renders the given columns of one curve layer from one value per segment: a step curve in the
// curve's colour whose horizontal strokes cross each segment's columns on the value's row,
// joined by vertical steps; an undrawn value of the curve leaves a gap. The fill is the
// see-through layer colour.
TBitmap DrawCurve(Curve curve, std::span<const std::uint8_t> data, const CurveInput& input,
                  ColumnRange columns);

}  // namespace dgr
