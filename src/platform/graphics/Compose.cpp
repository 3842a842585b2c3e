#include "platform/graphics/Compose.h"

#include <algorithm>
#include <cstdint>

namespace platform::graphics {

namespace {

// The part of picture that lands on target: picture columns [fromX, fromX + width) and rows
// [fromY, fromY + height) go to target columns and rows starting at (toX, toY).
struct Overlap {
  int FromX = 0;
  int FromY = 0;
  int ToX = 0;
  int ToY = 0;
  int Width = 0;
  int Height = 0;
};

Overlap OverlapOf(const TBitmap& target, int left, int top, const TBitmap& picture) {
  const std::int64_t x0 = std::max<std::int64_t>(left, 0);
  const std::int64_t y0 = std::max<std::int64_t>(top, 0);
  const std::int64_t x1 = std::min<std::int64_t>(std::int64_t(left) + picture.Width(), target.Width());
  const std::int64_t y1 = std::min<std::int64_t>(std::int64_t(top) + picture.Height(), target.Height());
  if (x0 >= x1 || y0 >= y1) return {};
  return {int(x0 - left), int(y0 - top), int(x0), int(y0), int(x1 - x0), int(y1 - y0)};
}

}  // namespace

TColor TransparentColorOf(const TBitmap& picture) {
  if (picture.Width() == 0 || picture.Height() == 0) return clWhite;
  return picture.Pixel(0, picture.Height() - 1);
}

void DrawOpaque(TBitmap& target, int left, int top, const TBitmap& picture) {
  const Overlap o = OverlapOf(target, left, top, picture);
  for (int row = 0; row < o.Height; ++row) {
    const TColor* from = picture.Row(o.FromY + row) + o.FromX;
    std::copy(from, from + o.Width, target.Row(o.ToY + row) + o.ToX);
  }
}

void DrawTransparent(TBitmap& target, int left, int top, const TBitmap& picture) {
  const Overlap o = OverlapOf(target, left, top, picture);
  const TColor key = TransparentColorOf(picture);
  for (int row = 0; row < o.Height; ++row) {
    const TColor* from = picture.Row(o.FromY + row) + o.FromX;
    TColor* to = target.Row(o.ToY + row) + o.ToX;
    for (int x = 0; x < o.Width; ++x) {
      if (from[x] != key) to[x] = from[x];
    }
  }
}

}  // namespace platform::graphics
