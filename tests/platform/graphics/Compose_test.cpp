#include "platform/graphics/Compose.h"

#include <gtest/gtest.h>

#include <climits>

using platform::graphics::DrawOpaque;
using platform::graphics::DrawTransparent;
using platform::graphics::TBitmap;
using platform::graphics::TColor;
using platform::graphics::TransparentColorOf;
using platform::graphics::clAqua;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clRed;
using platform::graphics::clWhite;

namespace {

// A 4 x 3 picture filled with aqua (its bottom-left pixel, so the see-through colour) with a
// red pixel at (1, 0) and a blue one at (3, 2).
TBitmap Picture() {
  TBitmap picture(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) picture.SetPixel(x, y, clAqua);
  picture.SetPixel(1, 0, clRed);
  picture.SetPixel(3, 2, clBlue);
  return picture;
}

TEST(Compose, TheBottomLeftPixelIsTheTransparentColour) {
  TBitmap picture = Picture();
  EXPECT_EQ(TransparentColorOf(picture), clAqua);
  picture.SetPixel(0, 2, clGreen);
  EXPECT_EQ(TransparentColorOf(picture), clGreen);
  EXPECT_EQ(TransparentColorOf(TBitmap()), clWhite);
}

TEST(Compose, TransparentPixelsShowWhatIsBelow) {
  struct Case {
    int left, top;
  };
  for (const Case c : {Case{0, 0}, Case{2, 1}, Case{-1, -1}, Case{5, 4}, Case{INT_MIN, 0}, Case{INT_MAX, INT_MAX}}) {
    TBitmap target(6, 5);
    target.SetPixel(0, 0, clGreen);
    const TBitmap before = target;
    const TBitmap picture = Picture();
    DrawTransparent(target, c.left, c.top, picture);
    TBitmap opaque = before;
    DrawOpaque(opaque, c.left, c.top, picture);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 6; ++x) {
        const long long px = (long long)x - c.left, py = (long long)y - c.top;
        const bool covered = px >= 0 && px < 4 && py >= 0 && py < 3;
        const TColor own = covered ? picture.Pixel(int(px), int(py)) : clWhite;
        EXPECT_EQ(target.Pixel(x, y), covered && own != clAqua ? own : before.Pixel(x, y))
            << c.left << "," << c.top << " at " << x << "," << y;
        EXPECT_EQ(opaque.Pixel(x, y), covered ? own : before.Pixel(x, y));
      }
    }
  }
}

}  // namespace
