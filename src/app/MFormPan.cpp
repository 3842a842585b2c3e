// Zoom, panning by scroll bar and by dragging, layer visibility and the cursor read-out.

#include <string>

#include "app/MForm.h"
#include "view/Cursor.h"
#include "view/Pan.h"

namespace dgr {

using platform::forms::TComponent;
using enum platform::forms::TCursor;

void TMForm::ZoomChange(TObject*) {
  const int zoom = dgr::ZoomFactor(cbZoom->ItemIndex());
  if (zoom == Zoom) return;
  Zoom = zoom;
  if (zoom == 1) {
    MoveLayers(HomeLeft);
    pShift->SetVisible(false);
  } else {
    // Going home first pans at once through the scroll bar's own handler.
    sbShift->SetPosition(sbShift->Min());
    sbShift->SetMax(zoom + 1);
    sbShift->SetPosition(1);
    pShift->SetVisible(true);
  }
  RedrawLayers();
}

void TMForm::sbShiftChange(TObject*) {
  MoveLayers(ScrollPanLeft({.Position = sbShift->Position(),
                            .Min = sbShift->Min(),
                            .Max = sbShift->Max(),
                            .GridWidth = imGrid->Width(),
                            .CodeWidth = imCode->Width(),
                            .BlankWidth = imBlank->Width(),
                            .HomeLeft = HomeLeft}));
}

void TMForm::MDown(TObject*, TMouseButton, TShiftState, int x, int) {
  if (!LayersPan(imCode->Width(), imBlank->Width())) return;
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
    const std::optional<DragStepResult> step = DragStep({.CodeLeft = imCode->Left(),
                                                         .CodeWidth = imCode->Width(),
                                                         .BlankWidth = imBlank->Width(),
                                                         .HomeLeft = HomeLeft,
                                                         .DragX = DragX,
                                                         .X = x});
    if (!step) return;
    stLX->SetCaption(step->Text);
    MoveLayers(step->Left);
    DragX = x;
    return;
  }

  const std::optional<int> segment = CursorSegment({.X = x,
                                                    .CodeLeft = imCode->Left(),
                                                    .CodeWidth = imCode->Width(),
                                                    .PlotWidth = PlotWidth,
                                                    .Geometry = Plot,
                                                    .Zoom = Zoom,
                                                    .SegmentCount = SegmentCount});
  // A geometry left by an earlier file can name a segment this file does not have.
  if (!segment || *segment >= SegmentCount) return;
  const std::size_t i = std::size_t(*segment);
  stFVal->SetCaption("");
  stAVal->SetCaption("");
  stSeg->SetCaption(std::to_string(*segment + 1));
  stSVal->SetCaption(std::to_string(CodeData[i]));
  if (FuelData[i] != 255) stFVal->SetCaption(std::to_string(FuelData[i]));
  if (AirData[i] != 255) stAVal->SetCaption(std::to_string(AirData[i]));
}

void TMForm::GrafShow(TObject* sender) {
  TImage* layers[] = {imCode, imAir, imFuel};
  const int tag = static_cast<TComponent*>(sender)->Tag();
  if (tag < 0 || tag > 2) return;
  layers[tag]->SetVisible(static_cast<TSpeedButton*>(sender)->Down());
}

}  // namespace dgr
