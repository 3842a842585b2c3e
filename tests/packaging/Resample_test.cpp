#include <gtest/gtest.h>

#include "Resample.h"
#include "app/Glyphs.h"

namespace {

using dgr::DiagramIcon;
using dgr::ProgramIcon;
using dgr::Resample;
using platform::graphics::clBlack;
using platform::graphics::RGBColor;
using platform::graphics::TBitmap;
using platform::graphics::TColor;

TBitmap Filled(int width, int height, TColor color) {
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, color);
  return bitmap;
}

TEST(Resample, UniformPictureStaysUniformAtAnySize) {
  const TColor color = RGBColor(10, 200, 77);
  struct Case {
    int sourceWidth, sourceHeight, width, height;
  };
  for (const Case& c : {Case{32, 32, 16, 16}, Case{32, 32, 48, 48}, Case{32, 32, 22, 22}, Case{3, 5, 7, 2},
                        Case{1, 1, 9, 9}, Case{7, 3, 1, 1}}) {
    const TBitmap scaled = Resample(Filled(c.sourceWidth, c.sourceHeight, color), c.width, c.height);
    ASSERT_EQ(scaled.Width(), c.width);
    ASSERT_EQ(scaled.Height(), c.height);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        ASSERT_EQ(scaled.Pixel(x, y), color) << c.sourceWidth << "x" << c.sourceHeight << " to " << c.width << "x"
                                             << c.height << " at " << x << "," << y;
  }
}

TEST(Resample, WholeNumberEnlargementRepeatsEachPixel) {
  TBitmap source(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) source.SetPixel(x, y, RGBColor(std::uint8_t(40 * x), std::uint8_t(100 * y), 7));
  const TBitmap scaled = Resample(source, 9, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(scaled.Pixel(x, y), source.Pixel(x / 3, y / 2)) << x << "," << y;
}

TEST(Resample, HalvingAveragesEachTwoByTwoBlockRounded) {
  TBitmap source(4, 2);
  const std::uint8_t reds[2][4] = {{0, 255, 10, 10}, {0, 0, 11, 10}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) source.SetPixel(x, y, RGBColor(reds[y][x], 0, 0));
  const TBitmap scaled = Resample(source, 2, 1);
  EXPECT_EQ(scaled.Pixel(0, 0), RGBColor(64, 0, 0));  // 255 / 4 = 63.75
  EXPECT_EQ(scaled.Pixel(1, 0), RGBColor(10, 0, 0));  // 41 / 4 = 10.25
}

TEST(Resample, ReductionWeighsSourcePixelsByTheirOverlap) {
  // Three source pixels onto two: each new pixel holds one whole source pixel and half the middle.
  TBitmap source(3, 1);
  source.SetPixel(0, 0, RGBColor(0, 30, 0));
  source.SetPixel(1, 0, RGBColor(90, 60, 0));
  source.SetPixel(2, 0, RGBColor(180, 90, 0));
  const TBitmap scaled = Resample(source, 2, 1);
  EXPECT_EQ(scaled.Pixel(0, 0), RGBColor(30, 40, 0));
  EXPECT_EQ(scaled.Pixel(1, 0), RGBColor(150, 80, 0));
}

TEST(ProgramIcon, AtTheWindowIconSizeIsTheWindowIcon) {
  const TBitmap window = DiagramIcon();
  const TBitmap icon = ProgramIcon(window.Width());
  ASSERT_EQ(icon.Height(), window.Height());
  for (int y = 0; y < window.Height(); ++y)
    for (int x = 0; x < window.Width(); ++x) ASSERT_EQ(icon.Pixel(x, y), window.Pixel(x, y)) << x << "," << y;
}

TEST(ProgramIcon, FrameIsClosedAtEveryWholeMultipleOfTheDesignSize) {
  for (int size : {32, 64, 128, 256}) {
    const TBitmap icon = ProgramIcon(size);
    for (int i = 0; i < size; ++i) {
      ASSERT_EQ(icon.Pixel(i, 0), clBlack) << size << ": top " << i;
      ASSERT_EQ(icon.Pixel(i, size - 1), clBlack) << size << ": bottom " << i;
      ASSERT_EQ(icon.Pixel(0, i), clBlack) << size << ": left " << i;
      ASSERT_EQ(icon.Pixel(size - 1, i), clBlack) << size << ": right " << i;
    }
  }
}

}  // namespace
