#pragma once

#include <array>

#include "diagram_file/SegmentArrays.h"
#include "platform/graphics/Bitmap.h"
#include "view/Curves.h"
#include "view/PlotGeometry.h"
#include "view/PlotState.h"

namespace dgr {

using platform::graphics::TBitmap;

// The four moving layers of the plot and where the plot lies in them.
struct PlotLayers {
  PlotGeometry Geometry;
  int Width = 0;          // of every moving layer
  bool GoesHome = false;  // the layers are as wide as the visible plot, so the grid goes home
  TBitmap Grid;
  std::array<TBitmap, CurveCount> Curves;  // by curve
};

// The plot pipeline, the one way to the plot's pictures: computes the geometry for the state
// (keeping the previous one when there are no segments) and renders the grid, then every curve
// from its array, each at the layers' full width.
PlotLayers RenderPlot(const SegmentArrays& arrays, const PlotState& state, const PlotGeometry& previous);

// The view state a window that has just started reaches by loading a file of segmentCount
// segments in the given site mode and then choosing zoom: a file with segments widens the
// plot for its count on a screen screenWidth wide.
PlotState FirstLoadState(int segmentCount, bool depotMode, int groupSize, int zoom, int screenWidth);

}  // namespace dgr
