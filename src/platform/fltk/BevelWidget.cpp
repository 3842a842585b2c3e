#include "platform/fltk/BevelWidget.h"

#include <FL/fl_draw.H>

#include "platform/fltk/Bevels.h"
#include "platform/fltk/FltkColor.h"

namespace platform::fltk {

using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;

void BevelWidget::SetShape(TBevelShape shape, TBevelStyle style) {
  shape_ = shape;
  style_ = style;
  redraw();
}

void BevelWidget::draw() {
  const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  int fx = x(), fy = y(), fw = w(), fh = h();
  switch (shape_) {
  case bsBox:
    DrawFrame3D(fx, fy, fw, fh, first, second, 1);
    break;
  case bsFrame:
    DrawFrame3D(fx, fy, fw, fh, first, second, 1);
    DrawFrame3D(fx, fy, fw, fh, second, first, 1);
    break;
  case bsLeftLine:
  case bsRightLine: {
    const int lineX = shape_ == bsLeftLine ? x() : x() + w() - 2;
    fl_color(ToFlColor(first));
    fl_yxline(lineX, y(), y() + h() - 1);
    fl_color(ToFlColor(second));
    fl_yxline(lineX + 1, y(), y() + h() - 1);
    break;
  }
  case bsTopLine:
  case bsBottomLine: {
    const int lineY = shape_ == bsTopLine ? y() : y() + h() - 2;
    fl_color(ToFlColor(first));
    fl_xyline(x(), lineY, x() + w() - 1);
    fl_color(ToFlColor(second));
    fl_xyline(x(), lineY + 1, x() + w() - 1);
    break;
  }
  }
}

}  // namespace platform::fltk
