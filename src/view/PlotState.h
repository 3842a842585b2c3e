#pragma once

#include "view/DesignSizes.h"

namespace dgr {

// What the plot is drawn from besides the file's arrays: the view state the diagram window
// keeps.
struct PlotState {
  int SegmentCount = 0;
  int Zoom = 1;
  int PlotWidth = 0;       // the visible plot width
  bool DepotMode = false;  // top scale steps of 250 instead of 125
  int GroupSize = 32;      // spacing of the group lines in units of Stretch pixels
  int LayerHeight = DesignLayerHeight;
};

}  // namespace dgr
