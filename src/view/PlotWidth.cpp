#include "view/PlotWidth.h"

namespace dgr {

PlotWidthFit FitPlotWidth(const PlotWidthInput& input) {
  const int n = input.SegmentCount;
  PlotWidthFit fit;
  fit.PlotWidth = input.BasePlotWidth;
  fit.WindowLeft = input.WindowLeft;
  if (n > 0) {
    const int perSegment = (input.BasePlotWidth - 32) / n;
    const int remainder = (input.BasePlotWidth - 32) % n;
    if (remainder >= n / 2) {
      const int widened = (perSegment + 1) * n + 32;
      if (widened + input.FrameWidth <= input.ScreenWidth) {
        fit.PlotWidth = widened;
        if (fit.WindowLeft + widened + input.FrameWidth > input.ScreenWidth) {
          fit.WindowLeft = input.ScreenWidth - (widened + input.FrameWidth);
        }
      }
    }
  }
  fit.PanelWidth = input.BasePanelWidth - input.BasePlotWidth + fit.PlotWidth;
  fit.PanelWidthChange = fit.PanelWidth - input.PanelWidth;
  return fit;
}

}  // namespace dgr
