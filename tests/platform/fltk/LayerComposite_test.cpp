#include "platform/fltk/LayerComposite.h"

#include <gtest/gtest.h>

using platform::fltk::CompositeLayers;
using platform::fltk::ImageLayer;
using platform::graphics::RGBColor;
using platform::graphics::TBitmap;
using platform::graphics::TColor;
using platform::graphics::clBlack;
using platform::graphics::clBtnFace;
using platform::graphics::clRed;

namespace {

// A picture whose every pixel tells where it came from: red = x, green = y, blue = tag.
TBitmap Pattern(int width, int height, std::uint8_t tag) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, RGBColor(std::uint8_t(x), std::uint8_t(y), tag));
  return picture;
}

TColor At(const std::vector<unsigned char>& rgb, int width, int x, int y) {
  const std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
  return RGBColor(rgb[i], rgb[i + 1], rgb[i + 2]);
}

constexpr TColor Background = clBtnFace;

struct Probe {
  int x, y;
  TColor expected;
};

struct CompositeCase {
  const char* name;
  int areaX, areaY, areaWidth, areaHeight;
  std::vector<Probe> probes;
};

class CompositeTest : public testing::TestWithParam<CompositeCase> {};

// Bottom: an opaque 8 x 6 pattern at (2, 1). Top: a transparent 6 x 4 layer at (-2, 0) whose
// bottom-left pixel (the key) is white; it is white but for a black column at picture x 3,
// and its control is only 5 wide, so picture column 5 is cut off.
TEST_P(CompositeTest, PaintsLayersBottomToTop) {
  const CompositeCase& c = GetParam();
  const TBitmap bottom = Pattern(8, 6, 7);
  TBitmap top(6, 4);
  for (int y = 0; y < 4; ++y) top.SetPixel(3, y, clBlack);
  for (int y = 0; y < 4; ++y) top.SetPixel(5, y, clRed);
  const std::vector<ImageLayer> layers = {{&bottom, 2, 1, 8, 6, false}, {&top, -2, 0, 5, 4, true}};
  const auto rgb = CompositeLayers(layers, c.areaX, c.areaY, c.areaWidth, c.areaHeight, Background);
  ASSERT_EQ(rgb.size(), std::size_t(c.areaWidth * c.areaHeight * 3));
  for (const Probe& p : c.probes)
    EXPECT_EQ(At(rgb, c.areaWidth, p.x, p.y), p.expected) << c.name << " at " << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(
    Layers, CompositeTest,
    testing::Values(
        CompositeCase{"whole area", 0, 0, 12, 8,
                      {{0, 0, Background},
                       {2, 1, RGBColor(0, 0, 7)},
                       {9, 6, RGBColor(7, 5, 7)},
                       {10, 6, Background},
                       {9, 7, Background},
                       {1, 0, clBlack},
                       {1, 3, clBlack},
                       {2, 2, RGBColor(0, 1, 7)},
                       {3, 0, Background},
                       {1, 4, Background}}},
        CompositeCase{"offset area", 2, 1, 3, 3,
                      {{0, 0, RGBColor(0, 0, 7)}, {2, 2, RGBColor(2, 2, 7)}}}),
    [](const testing::TestParamInfo<CompositeCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(CompositeLayers, EmptyAreaAndEmptyPictures) {
  const TBitmap empty;
  const std::vector<ImageLayer> layers = {{&empty, 0, 0, 4, 4, false}, {nullptr, 0, 0, 4, 4, false}};
  EXPECT_TRUE(CompositeLayers(layers, 0, 0, 0, 5, Background).empty());
  const auto rgb = CompositeLayers(layers, 0, 0, 2, 2, Background);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(At(rgb, 2, i % 2, i / 2), Background);
}

}
