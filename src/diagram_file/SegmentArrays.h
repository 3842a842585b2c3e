#pragma once

#include <cstdint>
#include <vector>

namespace dgr {

// The three arrays of a diagram file, one value per segment: the raw sensor code, the fuel code
// and the air code. The diagram window keeps them after a load; the plot draws them.
struct SegmentArrays {
  std::vector<std::uint8_t> CodeData;
  std::vector<std::uint8_t> FuelData;
  std::vector<std::uint8_t> AirData;

  bool operator==(const SegmentArrays&) const = default;
};

}  // namespace dgr
