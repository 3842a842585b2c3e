#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/graphics/Canvas.h"

using platform::graphics::TBitmap;
using platform::graphics::TCanvas;
using platform::graphics::TColor;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clRed;
using platform::graphics::clWhite;

namespace {

TEST(Bitmap, NewPixelsAreWhite) {
  TBitmap bitmap(4, 3);
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.Pixel(x, y), clWhite);
}

TEST(Bitmap, ResizeKeepsTheOverlapAndWhitensTheRest) {
  struct Case {
    int width, height;
  };
  for (const Case c : {Case{6, 2}, Case{2, 5}, Case{3, 3}, Case{8, 8}, Case{4, 5}}) {
    TBitmap bitmap(4, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) bitmap.SetPixel(x, y, TColor(y * 10 + x));
    bitmap.SetSize(c.width, c.height);
    ASSERT_EQ(bitmap.Width(), c.width);
    ASSERT_EQ(bitmap.Height(), c.height);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const TColor expected = x < 4 && y < 3 ? TColor(y * 10 + x) : clWhite;
        EXPECT_EQ(bitmap.Pixel(x, y), expected) << c.width << "x" << c.height << " at " << x << "," << y;
      }
    }
  }
}

TEST(Bitmap, NegativeSizesGiveAnEmptyBitmap) {
  TBitmap bitmap(-5, 7);
  EXPECT_EQ(bitmap.Width(), 0);
  bitmap.SetHeight(-1);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_FALSE(bitmap.Contains(0, 0));
}

TEST(Bitmap, CopiesAndMovesCarryPixelsButEachKeepsItsOwnCanvas) {
  TBitmap original(3, 2);
  original.SetPixel(2, 1, clRed);
  TCanvas& originalCanvas = original.Canvas();

  TBitmap copy(original);
  EXPECT_EQ(copy.Pixel(2, 1), clRed);
  EXPECT_NE(&copy.Canvas(), &originalCanvas);
  copy.Canvas().Brush.Color = clBlue;
  copy.Canvas().FillRect(0, 0, 3, 2);
  EXPECT_EQ(original.Pixel(0, 0), clWhite);

  TBitmap moved(std::move(copy));
  EXPECT_EQ(moved.Pixel(0, 0), clBlue);
  EXPECT_EQ(copy.Width(), 0);

  original = std::move(moved);
  EXPECT_EQ(&original.Canvas(), &originalCanvas);
  original.Canvas().Brush.Color = clGreen;
  original.Canvas().FillRect(0, 0, 1, 1);
  EXPECT_EQ(original.Pixel(0, 0), clGreen);
  EXPECT_EQ(original.Pixel(1, 0), clBlue);
}

}  // namespace
