// The plot: width adaptation to the segment count, and rendering the four moving layers.

#include "app/MForm.h"
#include "view/Curve.h"
#include "view/Grid.h"
#include "view/PlotWidth.h"

namespace dgr {

void TMForm::FitPlotWidth() {
  const PlotWidthFit fit = dgr::FitPlotWidth({.SegmentCount = SegmentCount,
                                           .BasePlotWidth = BasePlotWidth,
                                           .BasePanelWidth = BasePanelWidth,
                                           .FrameWidth = FrameWidth,
                                           .ScreenWidth = ScreenWidth,
                                           .PanelWidth = pGraf->Width(),
                                           .WindowLeft = Left()});
  SetLeft(fit.WindowLeft);
  pGraf->SetWidth(fit.PanelWidth);
  pDat->SetWidth(pDat->Width() + fit.PanelWidthChange);
  PlotWidth = fit.PlotWidth;
}

void TMForm::MoveLayers(int left) {
  for (TImage* layer : {imFuel, imAir, imCode, imGrid}) layer->SetLeft(left);
}

void TMForm::RedrawLayers() {
  DrawGrid();
  DrawCurve(CodeCurve, CodeData);
  DrawCurve(AirCurve, AirData);
  DrawCurve(FuelCurve, FuelData);
}

void TMForm::DrawGrid() {
  GridLayer grid = dgr::DrawGrid({.SegmentCount = SegmentCount,
                               .Zoom = Zoom,
                               .PlotWidth = PlotWidth,
                               .DepotMode = DepotMode,
                               .GroupSize = GroupSize,
                               .LayerHeight = imGrid->Height()},
                              Plot);
  Plot = grid.Geometry;
  imGrid->SetWidth(grid.Bitmap.Width());
  imGrid->SetPicture(std::move(grid.Bitmap));
  if (grid.GoesHome) imGrid->SetLeft(HomeLeft);
}

void TMForm::DrawCurve(int curve, std::span<const std::uint8_t> data) {
  TImage* layer = curve == CodeCurve ? imCode : curve == AirCurve ? imAir : curve == FuelCurve ? imFuel : nullptr;
  if (!layer) return;
  std::optional<TBitmap> bitmap = dgr::DrawCurve(curve, data,
                                              {.Zoom = Zoom,
                                               .Geometry = Plot,
                                               .LayerWidth = imGrid->Width(),
                                               .LayerHeight = layer->Height()});
  if (!bitmap) return;
  layer->SetWidth(imGrid->Width());
  layer->SetPicture(std::move(*bitmap));
  layer->SetLeft(imGrid->Left());
}

}  // namespace dgr
