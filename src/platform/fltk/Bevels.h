#pragma once

#include <FL/Enumerations.H>

#include "platform/graphics/Color.h"

namespace platform::fltk {

using platform::graphics::TColor;

// The classic 3D edges, drawn with fl_ calls into the current FLTK drawing target.
// Rectangles are x, y, width, height in window pixels.

// One-pixel frames just inside the rectangle, `width` times, each shrinking it by one pixel
// on every side: `topLeft` on the left column and top row, `bottomRight` on the right column
// and bottom row (which own the top-right and bottom-left corners).
void DrawFrame3D(int& x, int& y, int& w, int& h, TColor topLeft, TColor bottomRight, int width);

// A raised (light top-left) or lowered (dark top-left) one-pixel frame.
void DrawRaisedFrame(int& x, int& y, int& w, int& h);
void DrawLoweredFrame(int& x, int& y, int& w, int& h);

// The two-pixel frame of a push button, up or pushed in.
void DrawButtonFrame(int& x, int& y, int& w, int& h, bool pushed);

// The face of a toggle button that stays down: a checkerboard of face and highlight.
void FillDownPattern(int x, int y, int w, int h);

// A box type drawing the classic two-pixel sunken edge of an edit field around its colour.
Fl_Boxtype ClassicFieldBox();

}  // namespace platform::fltk
