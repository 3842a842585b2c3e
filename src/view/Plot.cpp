#include "view/Plot.h"

#include "view/Curve.h"
#include "view/Grid.h"
#include "view/PlotWidth.h"

namespace dgr {

PlotLayers RenderPlot(const SegmentArrays& arrays, const PlotState& state, const PlotGeometry& previous) {
  PlotLayers layers;
  layers.Geometry = GridGeometry(state, previous);
  layers.Width = LayerWidth(state.SegmentCount, state.Zoom, state.PlotWidth);
  layers.GoesHome = layers.Width == state.PlotWidth;
  const ColumnRange all{0, layers.Width};
  layers.Grid = DrawGrid(state, layers.Geometry, all);
  for (const CurveTraits& curve : Curves) {
    layers.Curves[IndexOf(curve.Id)] =
        DrawCurve(curve.Id, arrays.*curve.Data, {state.Zoom, layers.Geometry, state.LayerHeight}, all);
  }
  return layers;
}

PlotState FirstLoadState(int segmentCount, bool depotMode, int groupSize, int zoom, int screenWidth) {
  PlotState state{segmentCount, zoom, 0, depotMode, groupSize, DesignLayerHeight};
  // The width adapts only to a count that differs from the 0 a new window holds.
  if (segmentCount != 0) {
    state.PlotWidth = FitPlotWidth({.SegmentCount = segmentCount,
                                    .BasePlotWidth = DesignPlotWidth,
                                    .BasePanelWidth = DesignPanelWidth,
                                    .FrameWidth = DesignFrameWidth,
                                    .ScreenWidth = screenWidth,
                                    .PanelWidth = DesignPanelWidth,
                                    .WindowLeft = DesignWindowLeft})
                          .PlotWidth;
  }
  return state;
}

}  // namespace dgr
