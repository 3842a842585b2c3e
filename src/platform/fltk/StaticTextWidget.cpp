#include "platform/fltk/StaticTextWidget.h"

#include <FL/fl_draw.H>

#include "platform/fltk/Bevels.h"
#include "platform/fltk/FltkColor.h"
#include "platform/fltk/TextDrawing.h"

namespace platform::fltk {

using platform::graphics::clBlack;

StaticTextWidget::StaticTextWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

void StaticTextWidget::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  redraw();
}

void StaticTextWidget::SetFace(TColor face) {
  face_ = face;
  redraw();
}

void StaticTextWidget::SetBorder(Border border) {
  border_ = border;
  redraw();
}

void StaticTextWidget::SetAlignment(Fl_Align horizontal) {
  horizontal_ = horizontal;
  redraw();
}

int StaticTextWidget::handle(int event) {
  if ((event == FL_ENTER || event == FL_LEAVE) && tooltip()) return 1;
  return Fl_Widget::handle(event);
}

void StaticTextWidget::draw() {
  int fx = x(), fy = y(), fw = w(), fh = h();
  if (border_ == Border::Sunken) DrawLoweredFrame(fx, fy, fw, fh);
  if (border_ == Border::Single) DrawFrame3D(fx, fy, fw, fh, clBlack, clBlack, 1);
  fl_color(ToFlColor(face_));
  fl_rectf(fx, fy, fw, fh);
  DrawText(text_, fx, fy, fw, fh, horizontal_ | FL_ALIGN_TOP, labelfont(), labelsize(), labelcolor(), active_r());
}

}  // namespace platform::fltk
