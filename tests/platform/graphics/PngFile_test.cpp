#include "platform/graphics/PngFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

using platform::graphics::RGBColor;
using platform::graphics::ReadPng;
using platform::graphics::TBitmap;
using platform::graphics::WritePng;
using platform::graphics::clAqua;
using platform::graphics::clMedGray;

namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("dgr_png_test_" + name)).string();
}

TEST(PngFile, RoundTripKeepsExactColours) {
  TBitmap bitmap(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) bitmap.SetPixel(x, y, RGBColor(std::uint8_t(x * 37), std::uint8_t(y * 51), std::uint8_t(x * y)));
  bitmap.SetPixel(0, 0, clMedGray);
  bitmap.SetPixel(1, 0, clAqua);
  const std::string path = TempPath("roundtrip.png");
  ASSERT_TRUE(WritePng(path, bitmap));
  TBitmap read;
  ASSERT_TRUE(ReadPng(path, read));
  ASSERT_EQ(read.Width(), 7);
  ASSERT_EQ(read.Height(), 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(read.Pixel(x, y), bitmap.Pixel(x, y)) << x << "," << y;
  std::remove(path.c_str());
}

TEST(PngFile, FailuresGiveFalseAndLeaveTheBitmap) {
  EXPECT_FALSE(WritePng(TempPath("empty.png"), TBitmap()));
  EXPECT_FALSE(std::filesystem::exists(TempPath("empty.png")));
  EXPECT_FALSE(WritePng(TempPath("no_such_dir/x.png"), TBitmap(2, 2)));

  TBitmap kept(3, 1);
  EXPECT_FALSE(ReadPng(TempPath("missing.png"), kept));
  const std::string garbage = TempPath("garbage.png");
  std::ofstream(garbage) << "not a png";
  EXPECT_FALSE(ReadPng(garbage, kept));
  EXPECT_EQ(kept.Width(), 3);
  std::remove(garbage.c_str());
}

}  // namespace
