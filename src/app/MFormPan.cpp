// Zoom, panning by scroll bar and by dragging, layer visibility and the cursor read-out.

#include <string>

#include "app/MForm.h"
#include "view/Cursor.h"
#include "view/Pan.h"

namespace dgr {

using platform::forms::TComponent;
using enum platform::forms::TCursor;

void TMForm::ZoomChange(TObject*) {
  const int zoom = ZoomFactor(cbZoom->ItemIndex());
  if (zoom == zoom_) return;
  zoom_ = zoom;
  if (zoom == 1) {
    MoveLayers(homeLeft_);
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
                            .HomeLeft = homeLeft_}));
}

void TMForm::MDown(TObject*, TMouseButton, TShiftState, int x, int) {
  if (!LayersPan(imCode->Width(), imBlank->Width())) return;
  dragging_ = true;
  dragX_ = x;
  imBlank->SetCursor(crSizeWE);
}

void TMForm::MUp(TObject*, TMouseButton, TShiftState, int, int) {
  dragging_ = false;
  imBlank->SetCursor(crCross);
}

void TMForm::ImgMouseMove(TObject*, TShiftState, int x, int) {
  if (dragging_) {
    const std::optional<DragStepResult> step = DragStep({.CodeLeft = imCode->Left(),
                                                         .CodeWidth = imCode->Width(),
                                                         .BlankWidth = imBlank->Width(),
                                                         .HomeLeft = homeLeft_,
                                                         .DragX = dragX_,
                                                         .X = x});
    if (!step) return;
    stLX->SetCaption(step->Text);
    MoveLayers(step->Left);
    dragX_ = x;
    return;
  }

  const std::optional<int> segment = CursorSegment({.X = x,
                                                    .HomeLeft = homeLeft_,
                                                    .CodeLeft = imCode->Left(),
                                                    .Geometry = plot_,
                                                    .Zoom = zoom_,
                                                    .SegmentCount = segmentCount_});
  pMark->SetVisible(segment.has_value());
  if (!segment) return;
  pMark->SetLeft(homeLeft_ + x);
  const std::size_t i = std::size_t(*segment);
  stSeg->SetCaption(std::to_string(*segment + 1));
  for (const CurveTraits& curve : Curves) {
    const std::uint8_t value = (arrays_.*curve.Data)[i];
    ControlsOf(curve.Id).Value->SetCaption(value == curve.Blank ? "" : std::to_string(value));
  }
}

void TMForm::ImgMouseLeave(TObject*) { pMark->SetVisible(false); }

// The visibility buttons are tagged with the curves in drawing order.
void TMForm::GrafShow(TObject* sender) {
  const int tag = static_cast<TComponent*>(sender)->Tag();
  if (tag < 0 || tag >= int(CurveCount)) return;
  ControlsOf(Curves[std::size_t(tag)].Id).Layer->SetVisible(static_cast<TSpeedButton*>(sender)->Down());
}

}  // namespace dgr
