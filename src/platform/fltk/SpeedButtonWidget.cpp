#include "platform/fltk/SpeedButtonWidget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "platform/fltk/Bevels.h"
#include "platform/fltk/FltkColor.h"
#include "platform/fltk/TextDrawing.h"
#include "platform/graphics/Compose.h"

namespace platform::fltk {

using platform::graphics::TransparentColorOf;
using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;

SpeedButtonWidget::SpeedButtonWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

void SpeedButtonWidget::SetFlat(bool flat) {
  flat_ = flat;
  redraw();
}

void SpeedButtonWidget::SetDown(bool down) {
  down_ = down;
  redraw();
}

void SpeedButtonWidget::SetCaption(const std::string& caption) {
  caption_ = caption;
  redraw();
}

void SpeedButtonWidget::SetGlyph(const TBitmap* glyph) {
  glyph_ = glyph;
  redraw();
}

void SpeedButtonWidget::SetFace(TColor face) {
  face_ = face;
  redraw();
}

int SpeedButtonWidget::handle(int event) {
  switch (event) {
  case FL_ENTER:
    hovered_ = true;
    redraw();
    return 1;
  case FL_LEAVE:
    hovered_ = false;
    redraw();
    return 1;
  case FL_PUSH:
    return press_.Push(*this) ? 1 : 0;
  case FL_DRAG:
    press_.Drag(*this);
    return 1;
  case FL_RELEASE:
    hovered_ = Fl::event_inside(this) != 0;
    if (press_.Release(*this) && OnClick) OnClick();
    return 1;
  default:
    return Fl_Widget::handle(event);
  }
}

void SpeedButtonWidget::draw() {
  int fx = x(), fy = y(), fw = w(), fh = h();
  const bool sunken = down_ || press_.Pressed();
  fl_color(ToFlColor(face_));
  fl_rectf(fx, fy, fw, fh);
  if (flat_) {
    if (sunken)
      DrawLoweredFrame(fx, fy, fw, fh);
    else if (hovered_ && active_r())
      DrawRaisedFrame(fx, fy, fw, fh);
    else
      DrawFrame3D(fx, fy, fw, fh, face_, face_, 1);
  } else {
    DrawButtonFrame(fx, fy, fw, fh, sunken);
  }
  if (down_ && !press_.Pressed() && !(flat_ && hovered_)) FillDownPattern(fx, fy, fw, fh);
  const int shift = sunken ? 1 : 0;
  if (glyph_ && glyph_->Width() > 0 && glyph_->Height() > 0) DrawGlyph(x() + w() / 2 + shift, y() + h() / 2 + shift);
  DrawText(caption_, x() + shift, y() + shift, w(), h(), FL_ALIGN_CENTER, labelfont(), labelsize(), labelcolor(),
           active_r());
}

void SpeedButtonWidget::DrawGlyph(int cx, int cy) const {
  const TBitmap& glyph = *glyph_;
  const TColor key = TransparentColorOf(glyph);
  const int left = cx - glyph.Width() / 2;
  const int top = cy - glyph.Height() / 2;
  const bool enabled = active_r() != 0;
  for (int row = 0; row < glyph.Height(); ++row)
    for (int column = 0; column < glyph.Width(); ++column) {
      const TColor color = glyph.Pixel(column, row);
      if (color == key) continue;
      if (enabled) {
        fl_color(ToFlColor(color));
        fl_point(left + column, top + row);
      } else {
        fl_color(ToFlColor(clBtnHighlight));
        fl_point(left + column + 1, top + row + 1);
      }
    }
  if (enabled) return;
  fl_color(ToFlColor(clBtnShadow));
  for (int row = 0; row < glyph.Height(); ++row)
    for (int column = 0; column < glyph.Width(); ++column)
      if (glyph.Pixel(column, row) != key) fl_point(left + column, top + row);
}

}  // namespace platform::fltk
