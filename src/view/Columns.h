#pragma once

#include <string_view>
#include <utility>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace dgr {

using platform::graphics::TBitmap;
using platform::graphics::TCanvas;
using platform::graphics::TColor;
using platform::graphics::TPen;
using platform::graphics::TSize;

// A run of columns of a layer: from First, Count columns wide.
struct ColumnRange {
  int First = 0;
  int Count = 0;
};

// Draws in the coordinates of a whole layer onto a bitmap that holds only some of its columns.
// Every line and text is placed and patterned as on the whole layer and then clipped, so the
// bitmap holds exactly what the whole layer holds in those columns.
class ColumnCanvas {
public:
  // A fresh bitmap for the columns, height rows high, filled with fill.
  ColumnCanvas(ColumnRange columns, int height, TColor fill);

  TPen& Pen() { return canvas_.Pen; }
  void MoveTo(int x, int y) { canvas_.MoveTo(x - first_, y); }
  void LineTo(int x, int y) { canvas_.LineTo(x - first_, y); }
  TSize TextExtent(std::string_view text) const { return canvas_.TextExtent(text); }
  void TextOut(int x, int y, std::string_view text) { canvas_.TextOut(x - first_, y, text); }

  // The drawn bitmap; the canvas draws nothing more afterwards.
  TBitmap Take() { return std::move(bitmap_); }

private:
  TBitmap bitmap_;
  TCanvas& canvas_;
  int first_;
};

}  // namespace dgr
