#pragma once

#include <vector>

#include "platform/graphics/Bitmap.h"

namespace platform::fltk {

using platform::graphics::TBitmap;
using platform::graphics::TColor;

// One image layer as the compositor sees it: its picture drawn 1:1 at the control's top-left,
// clipped to the control's bounds, which are in the parent's client coordinates.
struct ImageLayer {
  const TBitmap* picture = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // Pixels of the picture's bottom-left colour let the layers below show through.
  bool transparent = false;
};

// Paints `layers` bottom to top over `background` and returns the rectangle (x, y, w, h) of
// the parent's client area as packed RGB bytes, row by row, ready for fl_draw_image.
std::vector<unsigned char> CompositeLayers(const std::vector<ImageLayer>& layers, int x, int y, int w, int h,
                                           TColor background);

}  // namespace platform::fltk
