#pragma once

namespace dgr {

// What the width adaptation of a load reads: the new segment count, the design widths taken at
// start-up, the screen, and the current width of the plot panel and left edge of the window.
struct PlotWidthInput {
  int SegmentCount = 0;
  int BasePlotWidth = 0;
  int BasePanelWidth = 0;
  int FrameWidth = 0;
  int ScreenWidth = 0;
  int PanelWidth = 0;
  int WindowLeft = 0;
};

struct PlotWidthFit {
  int PlotWidth = 0;         // the visible plot width
  int PanelWidth = 0;        // the new width of the plot panel
  int PanelWidthChange = 0;  // how much the plot panel grew; the data panel grows as much
  int WindowLeft = 0;        // the window's left edge, moved left so its right edge stays on screen
};

// Widens the visible plot to a whole number of pixels per segment, with 16 pixels of margin on
// each side, when that rounds up and the wider window fits the screen; otherwise the plot keeps
// its design width. A count of 0 or less also keeps the design width.
PlotWidthFit FitPlotWidth(const PlotWidthInput& input);

}  // namespace dgr
