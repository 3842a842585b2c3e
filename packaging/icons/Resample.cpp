#include "Resample.h"

#include <algorithm>
#include <cstdint>

#include "app/Glyphs.h"

namespace dgr {

using platform::graphics::BlueOf;
using platform::graphics::GreenOf;
using platform::graphics::RedOf;
using platform::graphics::RGBColor;
using platform::graphics::TColor;

namespace {

// Coordinates are counted in units of 1 / (source size * target size) of the picture, so that
// both pixel grids fall on whole numbers: a target pixel spans `sourceSize` units and a source
// pixel `targetSize` units.
struct Axis {
  int sourceSize;
  int targetSize;

  int FirstSource(int target) const { return target * sourceSize / targetSize; }
  int LastSource(int target) const { return ((target + 1) * sourceSize - 1) / targetSize; }
  std::int64_t Overlap(int target, int source) const {
    const int begin = std::max(target * sourceSize, source * targetSize);
    const int end = std::min((target + 1) * sourceSize, (source + 1) * targetSize);
    return std::max(0, end - begin);
  }
};

}  // namespace

TBitmap Resample(const TBitmap& source, int width, int height) {
  TBitmap target(width, height);
  if (source.Width() <= 0 || source.Height() <= 0) return target;
  const Axis horizontal{source.Width(), width};
  const Axis vertical{source.Height(), height};
  const std::int64_t area = std::int64_t(source.Width()) * source.Height();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::int64_t red = 0, green = 0, blue = 0;
      for (int sy = vertical.FirstSource(y); sy <= vertical.LastSource(y); ++sy)
        for (int sx = horizontal.FirstSource(x); sx <= horizontal.LastSource(x); ++sx) {
          const std::int64_t weight = horizontal.Overlap(x, sx) * vertical.Overlap(y, sy);
          const TColor color = source.Pixel(sx, sy);
          red += weight * RedOf(color);
          green += weight * GreenOf(color);
          blue += weight * BlueOf(color);
        }
      const auto mean = [area](std::int64_t sum) { return std::uint8_t((sum + area / 2) / area); };
      target.SetPixel(x, y, RGBColor(mean(red), mean(green), mean(blue)));
    }
  return target;
}

TBitmap ProgramIcon(int size) { return Resample(DiagramIcon(), size, size); }

}  // namespace dgr
