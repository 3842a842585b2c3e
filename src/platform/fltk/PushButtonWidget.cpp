#include "platform/fltk/PushButtonWidget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "platform/fltk/Bevels.h"
#include "platform/fltk/FltkColor.h"
#include "platform/fltk/TextDrawing.h"

namespace platform::fltk {

using platform::graphics::clBtnFace;

PushButtonWidget::PushButtonWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

void PushButtonWidget::SetCaption(const std::string& caption) {
  caption_ = caption;
  redraw();
}

int PushButtonWidget::handle(int event) {
  switch (event) {
  case FL_ENTER:
  case FL_LEAVE:
    return 1;
  case FL_PUSH:
    if (!press_.Push(*this)) return 0;
    if (Fl::visible_focus()) take_focus();
    return 1;
  case FL_DRAG:
    press_.Drag(*this);
    return 1;
  case FL_RELEASE:
    if (press_.Release(*this) && OnClick) OnClick();
    return 1;
  case FL_FOCUS:
  case FL_UNFOCUS:
    redraw();
    return 1;
  case FL_KEYBOARD:
    if (Fl::focus() == this && Fl::event_key() == ' ') {
      if (OnClick) OnClick();
      return 1;
    }
    return 0;
  default:
    return Fl_Widget::handle(event);
  }
}

void PushButtonWidget::draw() {
  int fx = x(), fy = y(), fw = w(), fh = h();
  DrawButtonFrame(fx, fy, fw, fh, press_.Pressed());
  fl_color(ToFlColor(clBtnFace));
  fl_rectf(fx, fy, fw, fh);
  const int shift = press_.Pressed() ? 1 : 0;
  DrawText(caption_, x() + shift, y() + shift, w(), h(), FL_ALIGN_CENTER, labelfont(), labelsize(), labelcolor(),
           active_r());
  if (Fl::focus() == this) draw_focus(FL_NO_BOX, x() + 3, y() + 3, w() - 6, h() - 6);
}

}  // namespace platform::fltk
