#pragma once

#include "platform/graphics/Bitmap.h"
#include "view/PlotGeometry.h"

namespace dgr {

using platform::graphics::TBitmap;

struct GridInput {
  int SegmentCount = 0;
  int Zoom = 1;
  int PlotWidth = 0;
  bool DepotMode = false;  // top scale steps of 250 instead of 125
  int GroupSize = 32;      // spacing of the group lines in units of Stretch pixels
  int LayerHeight = 0;
};

// Width of the moving layers: the whole zoomed plot with 16 pixels each side, at least the
// visible plot width.
int LayerWidth(int segmentCount, int zoom, int plotWidth);

// The geometry for the input. With no segments the previous geometry stays, apart from the
// bottom margin, which is always 20.
PlotGeometry GridGeometry(const GridInput& input, const PlotGeometry& previous);

struct GridLayer {
  PlotGeometry Geometry;
  TBitmap Bitmap;
  bool GoesHome = false;  // the layer is as wide as the visible plot, so it moves to its home
};

// Computes the geometry and renders the grid layer: zero line, dotted segment lines every 8
// segments from the right end with their bottom (segment) and top (scale) labels, dashed group
// lines and left border, and dotted level lines every 20 code units, in that order.
GridLayer DrawGrid(const GridInput& input, const PlotGeometry& previous);

}  // namespace dgr
