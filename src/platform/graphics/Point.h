#pragma once

namespace platform::graphics {

// A point in pixels, as the old platform wrote it.
struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

}  // namespace platform::graphics
