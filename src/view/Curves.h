#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "diagram_file/SegmentArrays.h"
#include "platform/graphics/Color.h"

namespace dgr {

using platform::graphics::TColor;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clRed;

// The curve layers, bottom first: the sensor code, the air code and the fuel code.
enum class Curve { Code, Air, Fuel };

// Fuel and air values that mean "no reading".
inline constexpr std::uint8_t NoReading[] = {0, 255};

struct CurveTraits {
  Curve Id;
  std::string_view Name;                            // on the command line
  TColor Color;                                     // of the curve, its swatch and its cursor read-out
  std::vector<std::uint8_t> SegmentArrays::*Data;   // the array it draws
  std::span<const std::uint8_t> Undrawn;            // values left as gaps in the curve
  std::optional<std::uint8_t> Blank;                // the value the cursor read-out leaves empty
};

// Every curve, in drawing order.
inline constexpr std::array<CurveTraits, 3> Curves{{
    {Curve::Code, "code", clBlue, &SegmentArrays::CodeData, {}, std::nullopt},
    {Curve::Air, "air", clRed, &SegmentArrays::AirData, NoReading, 255},
    {Curve::Fuel, "fuel", clGreen, &SegmentArrays::FuelData, NoReading, 255},
}};
inline constexpr std::size_t CurveCount = Curves.size();

constexpr std::size_t IndexOf(Curve curve) { return static_cast<std::size_t>(curve); }
constexpr const CurveTraits& TraitsOf(Curve curve) { return Curves[IndexOf(curve)]; }

static_assert([] {
  for (std::size_t i = 0; i < CurveCount; ++i)
    if (IndexOf(Curves[i].Id) != i) return false;
  return true;
}(), "the table lists the curves in the order of the enumeration");

}  // namespace dgr
