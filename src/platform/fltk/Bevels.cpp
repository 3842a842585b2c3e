#include "platform/fltk/Bevels.h"

#include <FL/fl_draw.H>

#include "platform/fltk/FltkColor.h"

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

void DrawLeftLine(int x, int y, int h) {
  if (h <= 0) return;
  fl_color(ToFlColor(clBtnShadow));
  fl_yxline(x, y, y + h - 1);
  fl_color(ToFlColor(clBtnHighlight));
  fl_yxline(x + 1, y, y + h - 1);
}
