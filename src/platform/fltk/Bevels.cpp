#include "platform/fltk/Bevels.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "platform/fltk/FltkColor.h"

namespace platform::fltk {

using platform::graphics::cl3DDkShadow;
using platform::graphics::clBtnFace;
using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;

void DrawFrame3D(int& x, int& y, int& w, int& h, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && w > 0 && h > 0; ++i) {
    const int right = x + w - 1;
    const int bottom = y + h - 1;
    fl_color(ToFlColor(topLeft));
    fl_yxline(x, y, bottom);
    fl_xyline(x, y, right);
    fl_color(ToFlColor(bottomRight));
    fl_yxline(right, y, bottom);
    fl_xyline(x, bottom, right);
    x += 1;
    y += 1;
    w -= 2;
    h -= 2;
  }
}

void DrawRaisedFrame(int& x, int& y, int& w, int& h) { DrawFrame3D(x, y, w, h, clBtnHighlight, clBtnShadow, 1); }

void DrawLoweredFrame(int& x, int& y, int& w, int& h) { DrawFrame3D(x, y, w, h, clBtnShadow, clBtnHighlight, 1); }

void DrawButtonFrame(int& x, int& y, int& w, int& h, bool pushed) {
  if (pushed) {
    DrawFrame3D(x, y, w, h, cl3DDkShadow, clBtnHighlight, 1);
    DrawFrame3D(x, y, w, h, clBtnShadow, clBtnFace, 1);
  } else {
    DrawFrame3D(x, y, w, h, clBtnHighlight, cl3DDkShadow, 1);
    DrawFrame3D(x, y, w, h, clBtnFace, clBtnShadow, 1);
  }
}

void FillDownPattern(int x, int y, int w, int h) {
  fl_color(ToFlColor(clBtnFace));
  fl_rectf(x, y, w, h);
  fl_color(ToFlColor(clBtnHighlight));
  for (int row = y; row < y + h; ++row)
    for (int column = x + (((row + x) & 1) ^ 1); column < x + w; column += 2) fl_point(column, row);
}

namespace {
void DrawFieldBox(int x, int y, int w, int h, Fl_Color color) {
  DrawFrame3D(x, y, w, h, clBtnShadow, clBtnHighlight, 1);
  DrawFrame3D(x, y, w, h, cl3DDkShadow, clBtnFace, 1);
  fl_color(color);
  fl_rectf(x, y, w, h);
}
}

Fl_Boxtype ClassicFieldBox() {
  static const Fl_Boxtype type = [] {
    Fl::set_boxtype(FL_FREE_BOXTYPE, DrawFieldBox, 2, 2, 4, 4);
    return FL_FREE_BOXTYPE;
  }();
  return type;
}

}  // namespace platform::fltk
