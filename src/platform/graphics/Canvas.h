#pragma once

#include <string_view>

#include "platform/graphics/Color.h"
#include "platform/graphics/Point.h"

namespace platform::graphics {

class TBitmap;

enum TBrushStyle { bsSolid, bsClear };
enum TPenStyle { psSolid, psDot, psDash };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

// A cosmetic pen, always 1 pixel wide.
struct TPen {
  TColor Color = clBlack;
  TPenStyle Style = psSolid;
};

// The font of a canvas: the bitmap font in one colour.
struct TCanvasFont {
  TColor Color = clWindowText;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Draws on the pixels of one bitmap, clipped to it. Text uses the built-in bitmap font. While
// the brush is solid, the gaps of dotted and dashed lines and the box behind text are painted
// in the brush colour; with bsClear they are left as they were.
class TCanvas {
public:
  explicit TCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBrush Brush;
  TPen Pen;
  TCanvasFont Font;

  TPoint PenPos() const { return penPos_; }

  // Paints [left, right) x [top, bottom) in the brush colour; nothing with bsClear.
  void FillRect(int left, int top, int right, int bottom);
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  // Paints from the pen position up to, not including, (x, y), then moves there. The dot and
  // dash patterns start afresh at the pen position on every call.
  void LineTo(int x, int y);
  // Size of the text cell of a UTF-8 string in the bitmap font.
  TSize TextExtent(std::string_view text) const;
  // Draws the text cell with its top-left corner at (x, y) and moves the pen position to its
  // top-right corner.
  void TextOut(int x, int y, std::string_view text);

private:
  void HorizontalLine(int x0, int y, int x1);
  void VerticalLine(int x, int y0, int y1);
  void SlantedLine(int x0, int y0, int x1, int y1);

  TBitmap& bitmap_;
  TPoint penPos_;
};

}  // namespace platform::graphics
