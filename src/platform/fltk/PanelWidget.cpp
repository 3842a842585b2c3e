#include "platform/fltk/PanelWidget.h"

#include <FL/fl_draw.H>

#include "platform/fltk/Bevels.h"
#include "platform/fltk/FltkColor.h"
#include "platform/fltk/ImageWidget.h"
#include "platform/fltk/TextDrawing.h"

namespace platform::fltk {

using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;

PanelWidget::PanelWidget(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  end();
  resizable(nullptr);
  clip_children(1);
  box(FL_FLAT_BOX);
}

void PanelWidget::SetBevels(BevelStyle outer, BevelStyle inner, int bevelWidth, int borderWidth) {
  outer_ = outer;
  inner_ = inner;
  bevelWidth_ = bevelWidth < 0 ? 0 : bevelWidth;
  borderWidth_ = borderWidth < 0 ? 0 : borderWidth;
  redraw();
}

void PanelWidget::SetFace(TColor face) {
  face_ = face;
  color(ToFlColor(face));
  redraw();
}

void PanelWidget::SetCaption(const std::string& caption, Fl_Align align) {
  caption_ = caption;
  captionAlign_ = align;
  redraw();
}

int PanelWidget::ClientInset() const {
  return (outer_ != BevelStyle::Off ? bevelWidth_ : 0) + borderWidth_ + (inner_ != BevelStyle::Off ? bevelWidth_ : 0);
}

void DrawBevel(BevelStyle style, int width, int& x, int& y, int& w, int& h) {
  if (style == BevelStyle::Raised) DrawFrame3D(x, y, w, h, clBtnHighlight, clBtnShadow, width);
  if (style == BevelStyle::Lowered) DrawFrame3D(x, y, w, h, clBtnShadow, clBtnHighlight, width);
}

void PanelWidget::draw() {
  if (damage() & ~FL_DAMAGE_CHILD) {
    int fx = x(), fy = y(), fw = w(), fh = h();
    DrawBevel(outer_, bevelWidth_, fx, fy, fw, fh);
    DrawFrame3D(fx, fy, fw, fh, face_, face_, borderWidth_);
    DrawBevel(inner_, bevelWidth_, fx, fy, fw, fh);
    if (HasImageChildren(*this)) {
      PaintImageLayers(*this, fx, fy, fw, fh, face_);
    } else {
      fl_color(ToFlColor(face_));
      fl_rectf(fx, fy, fw, fh);
    }
    DrawText(caption_, fx, fy, fw, fh, captionAlign_, labelfont(), labelsize(), labelcolor(), active_r());
  }
  draw_children();
}

}  // namespace platform::fltk
