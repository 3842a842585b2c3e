// The plot: width adaptation to the segment count, and the four moving layers.

#include "app/MForm.h"
#include "view/Plot.h"
#include "view/PlotWidth.h"

namespace dgr {

void TMForm::FitPlotWidth() {
  const PlotWidthFit fit = dgr::FitPlotWidth({.SegmentCount = segmentCount_,
                                           .BasePlotWidth = basePlotWidth_,
                                           .BasePanelWidth = basePanelWidth_,
                                           .FrameWidth = frameWidth_,
                                           .ScreenWidth = screenWidth_,
                                           .PanelWidth = pGraf->Width(),
                                           .WindowLeft = Left()});
  SetLeft(fit.WindowLeft);
  pGraf->SetWidth(fit.PanelWidth);
  pDat->SetWidth(pDat->Width() + fit.PanelWidthChange);
  plotWidth_ = fit.PlotWidth;
}

void TMForm::MoveLayers(int left) {
  for (TImage* layer : {imFuel, imAir, imCode, imGrid}) layer->SetLeft(left);
}

TMForm::CurveControls TMForm::ControlsOf(Curve curve) const {
  switch (curve) {
    case Curve::Code: return {imCode, stSVal};
    case Curve::Air: return {imAir, stAVal};
    case Curve::Fuel: return {imFuel, stFVal};
  }
  return {};
}

// The grid goes home when it is no wider than the visible plot; the curve layers follow it.
void TMForm::RedrawLayers() {
  PlotLayers layers = RenderPlot(
      arrays_, {segmentCount_, zoom_, plotWidth_, depotMode_, groupSize_, imGrid->Height()}, plot_);
  plot_ = layers.Geometry;
  imGrid->SetWidth(layers.Width);
  imGrid->SetPicture(std::move(layers.Grid));
  if (layers.GoesHome) imGrid->SetLeft(homeLeft_);
  for (const CurveTraits& curve : Curves) {
    TImage* layer = ControlsOf(curve.Id).Layer;
    layer->SetWidth(layers.Width);
    layer->SetPicture(std::move(layers.Curves[IndexOf(curve.Id)]));
    layer->SetLeft(imGrid->Left());
  }
}

}  // namespace dgr
