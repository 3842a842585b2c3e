#include "platform/fltk/CheckWidget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "platform/fltk/Bevels.h"
#include "platform/fltk/FltkColor.h"
#include "platform/fltk/TextDrawing.h"

namespace platform::fltk {

using platform::graphics::cl3DDkShadow;
using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;
using platform::graphics::clWindow;
using platform::graphics::clWindowText;

namespace {
constexpr int MarkSize = 13;
constexpr int CaptionGap = 4;
}

CheckWidget::CheckWidget(Kind kind, int x, int y, int w, int h) : Fl_Widget(x, y, w, h), kind_(kind) {
  box(FL_NO_BOX);
}

void CheckWidget::SetChecked(bool checked) {
  checked_ = checked;
  redraw();
}

void CheckWidget::SetCaption(const std::string& caption) {
  caption_ = caption;
  redraw();
}

void CheckWidget::SetCaptionLeft(bool left) {
  captionLeft_ = left;
  redraw();
}

void CheckWidget::SetFace(TColor face) {
  face_ = face;
  redraw();
}

int CheckWidget::handle(int event) {
  switch (event) {
  case FL_ENTER:
  case FL_LEAVE:
    return 1;
  case FL_PUSH:
    return press_.Push(*this) ? 1 : 0;
  case FL_DRAG:
    return 1;
  case FL_RELEASE:
    if (press_.Release(*this) && OnClick) OnClick();
    return 1;
  default:
    return Fl_Widget::handle(event);
  }
}

void CheckWidget::draw() {
  fl_color(ToFlColor(face_));
  fl_rectf(x(), y(), w(), h());
  const int markTop = y() + (h() - MarkSize) / 2;
  const int markLeft = captionLeft_ ? x() + w() - MarkSize : x();
  if (kind_ == Kind::Radio)
    DrawRadio(markLeft, markTop);
  else
    DrawCheckBox(markLeft, markTop);
  const int textLeft = captionLeft_ ? x() : x() + MarkSize + CaptionGap;
  const int textWidth = w() - MarkSize - CaptionGap;
  DrawText(caption_, textLeft, y(), textWidth, h(), FL_ALIGN_LEFT, labelfont(), labelsize(), labelcolor(), active_r());
}

void CheckWidget::DrawRadio(int left, int top) const {
  const TColor well = press_.Pressed() || !active_r() ? clBtnFace : clWindow;
  fl_color(ToFlColor(well));
  fl_pie(left + 1, top + 1, MarkSize - 2, MarkSize - 2, 0, 360);
  fl_color(ToFlColor(clBtnShadow));
  fl_arc(left, top, MarkSize, MarkSize, 45, 225);
  fl_color(ToFlColor(clBtnHighlight));
  fl_arc(left, top, MarkSize, MarkSize, 225, 405);
  fl_color(ToFlColor(cl3DDkShadow));
  fl_arc(left + 1, top + 1, MarkSize - 2, MarkSize - 2, 45, 225);
  if (checked_) {
    fl_color(active_r() ? ToFlColor(clWindowText) : ToFlColor(clBtnShadow));
    fl_pie(left + 4, top + 4, 5, 5, 0, 360);
  }
}

void CheckWidget::DrawCheckBox(int left, int top) const {
  int fx = left, fy = top, fw = MarkSize, fh = MarkSize;
  DrawFrame3D(fx, fy, fw, fh, clBtnShadow, clBtnHighlight, 1);
  DrawFrame3D(fx, fy, fw, fh, cl3DDkShadow, clBtnFace, 1);
  fl_color(ToFlColor(press_.Pressed() || !active_r() ? clBtnFace : clWindow));
  fl_rectf(fx, fy, fw, fh);
  if (!checked_) return;
  fl_color(active_r() ? ToFlColor(clWindowText) : ToFlColor(clBtnShadow));
  for (int i = 0; i < 3; ++i) {
    fl_line(left + 3, top + 5 + i, left + 5, top + 7 + i);
    fl_line(left + 5, top + 7 + i, left + 9, top + 3 + i);
  }
}

}  // namespace platform::fltk
