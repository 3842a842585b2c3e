#pragma once

#include "platform/graphics/Bitmap.h"
#include "view/Columns.h"
#include "view/PlotGeometry.h"
#include "view/PlotState.h"

namespace dgr {

using platform::graphics::TBitmap;

// Width of the moving layers: the whole zoomed plot with 16 pixels each side, at least the
// visible plot width.
int LayerWidth(int segmentCount, int zoom, int plotWidth);

// The geometry for the state. With no segments the previous geometry stays, apart from the
// bottom margin, which is always 20.
PlotGeometry GridGeometry(const PlotState& state, const PlotGeometry& previous);

// Renders the given columns of the grid layer with the geometry GridGeometry gave: zero line,
// dotted segment lines every 8 segments from the right end with their bottom (segment) and top
// (scale) labels, dashed group lines and left border, and dotted level lines every 20 code
// units, in that order, on the layer fill. With no segments the layer is fill only.
TBitmap DrawGrid(const PlotState& state, const PlotGeometry& geometry, ColumnRange columns);

}  // namespace dgr
