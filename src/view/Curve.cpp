#include "view/Curve.h"

#include <algorithm>

namespace dgr {

using enum platform::graphics::TPenStyle;

TBitmap DrawCurve(Curve curve, std::span<const std::uint8_t> data, const CurveInput& input,
                  ColumnRange columns) {
  const CurveTraits& traits = TraitsOf(curve);
  ColumnCanvas canvas(columns, input.LayerHeight, LayerFillColor);
  canvas.Pen().Style = psSolid;
  canvas.Pen().Color = traits.Color;

  const PlotGeometry& g = input.Geometry;
  const int zeroY = input.LayerHeight - g.BottomMargin;
  const int width = g.Stretch * input.Zoom;
  int x = g.LeftMargin;
  bool drawn = false;
  for (const std::uint8_t value : data) {
    if (std::find(traits.Undrawn.begin(), traits.Undrawn.end(), value) == traits.Undrawn.end()) {
      const int y = zeroY - value * g.YScale;
      // The pen stands at the end of the previous stroke: this is the step between the two.
      if (drawn) canvas.LineTo(x, y);
      canvas.MoveTo(x, y);
      canvas.LineTo(x + width, y);
      drawn = true;
    } else {
      drawn = false;
    }
    x += width;
  }
  return canvas.Take();
}

}  // namespace dgr
