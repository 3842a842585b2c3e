#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/graphics/Bitmap.h"
#include "view/PlotGeometry.h"

namespace dgr {

using platform::graphics::TBitmap;

// The curve layers by number: 1 the sensor code (blue), 2 the air code (red), 3 the fuel code
// (green). Air and fuel values 255 and 0 are left undrawn.
constexpr int CodeCurve = 1;
constexpr int AirCurve = 2;
constexpr int FuelCurve = 3;

struct CurveInput {
  int Zoom = 1;
  PlotGeometry Geometry;  // as the grid drawing left it
  int LayerWidth = 0;     // the grid layer's width
  int LayerHeight = 0;
};

// Renders one curve layer from one value per segment: a step curve whose horizontal strokes
// cross each segment's columns on the value's row, joined by vertical steps; an undrawn value
// leaves a gap. The fill is the see-through layer colour. Gives nothing for any other curve
// number.
std::optional<TBitmap> DrawCurve(int curve, std::span<const std::uint8_t> data, const CurveInput& input);

}  // namespace dgr
