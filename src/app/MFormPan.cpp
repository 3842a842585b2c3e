// Zoom, panning by scroll bar and by dragging, layer visibility and the cursor read-out.

#include <algorithm>
#include <string>

#include <fmt/format.h>

#include "app/MForm.h"

void TMForm::ZoomChange(TObject*) {
  const int zoom = 1 << cbZoom->ItemIndex();
  if (zoom == Zoom) return;
  Zoom = zoom;
  if (zoom == 1) {
    MoveLayers(HomeLeft);
    pShift->SetVisible(false);
  } else {
    sbShift->SetPosition(sbShift->Min());
    sbShift->SetMax(zoom + 1);
    sbShift->SetPosition(1);
    pShift->SetVisible(true);
  }
  RedrawLayers();
}

void TMForm::sbShiftChange(TObject*) {
  const int position = sbShift->Position();
  const int farLeft = imBlank->Width() - imCode->Width();
  int left;
  if (position == sbShift->Min())
    left = HomeLeft;
  else if (position == sbShift->Max())
    left = farLeft;
  else
    left = -(imGrid->Width() / sbShift->Max()) * (position - 1);
  // Middle positions stay within the span of the end positions, so the layers never uncover
  // the panel.
  MoveLayers(std::clamp(left, std::min(farLeft, HomeLeft), HomeLeft));
}

void TMForm::MDown(TObject*, TMouseButton, TShiftState, int x, int) {
  if (imCode->Width() == imBlank->Width()) return;
  Dragging = true;
  DragX = x;
  imBlank->SetCursor(crSizeWE);
}

void TMForm::MUp(TObject*, TMouseButton, TShiftState, int, int) {
  Dragging = false;
  imBlank->SetCursor(crCross);
}

void TMForm::ImgMouseMove(TObject*, TShiftState, int x, int) {
  if (Dragging) {
    if (imCode->Width() == imBlank->Width()) return;
    int candidate = imCode->Left() + (x - DragX);
    if (candidate < HomeLeft) {
      if (candidate + imCode->Width() < imBlank->Width()) candidate = imBlank->Width() - imCode->Width();
    } else if (candidate > HomeLeft && x > DragX) {
      candidate = HomeLeft;
    }
    stLX->SetCaption(fmt::format("{} : {} : {}", imCode->Left(), candidate, x));
    MoveLayers(candidate);
    DragX = x;
    return;
  }

  const int segmentWidth = Plot.Stretch * Zoom;
  int index;
  if (imCode->Width() == PlotWidth) {
    if (x < Plot.LeftMargin || x >= Plot.PlotRight) return;
    index = (x - Plot.LeftMargin) / segmentWidth;
  } else {
    index = (x - imCode->Left() - Plot.LeftMargin) / segmentWidth;
  }
  if (index < 0 || index >= SegmentCount) return;
  const std::size_t i = std::size_t(index);
  stFVal->SetCaption("");
  stAVal->SetCaption("");
  stSeg->SetCaption(std::to_string(index + 1));
  stSVal->SetCaption(std::to_string(CodeData[i]));
  if (FuelData[i] != 255) stFVal->SetCaption(std::to_string(FuelData[i]));
  if (AirData[i] != 255) stAVal->SetCaption(std::to_string(AirData[i]));
}

void TMForm::GrafShow(TObject* sender) {
  auto* button = static_cast<TSpeedButton*>(sender);
  TImage* layers[] = {imCode, imAir, imFuel};
  const int tag = button->Tag();
  if (tag < 0 || tag > 2) return;
  layers[tag]->SetVisible(button->Down());
}
