#include "view/Curve.h"

#include "platform/graphics/Canvas.h"

namespace dgr {

using platform::graphics::TCanvas;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clRed;
using enum platform::graphics::TBrushStyle;
using enum platform::graphics::TPenStyle;

std::optional<TBitmap> DrawCurve(int curve, std::span<const std::uint8_t> data, const CurveInput& input) {
  TColor color = 0;
  switch (curve) {
    case CodeCurve: color = clBlue; break;
    case AirCurve: color = clRed; break;
    case FuelCurve: color = clGreen; break;
    default: return std::nullopt;
  }
  std::optional<TBitmap> bitmap(std::in_place, input.LayerWidth, input.LayerHeight);
  TCanvas& canvas = bitmap->Canvas();
  canvas.Pen.Style = psSolid;
  canvas.Pen.Color = color;
  canvas.Brush.Color = LayerFillColor;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(0, 0, input.LayerWidth, input.LayerHeight);

  const PlotGeometry& g = input.Geometry;
  const int zeroY = input.LayerHeight - g.BottomMargin;
  const int width = g.Stretch * input.Zoom;
  int x = g.LeftMargin;
  bool drawn = false;
  for (const std::uint8_t value : data) {
    if (curve == CodeCurve || (value != 255 && value != 0)) {
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
  return bitmap;
}

}  // namespace dgr
