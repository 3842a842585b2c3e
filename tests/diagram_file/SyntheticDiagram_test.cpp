#include "diagram_file/SyntheticDiagram.h"

#include <gtest/gtest.h>

#include <cmath>

#include "diagram_file/DiagramFileEncoder.h"

using dgr::DiagramFile;
using dgr::EncodeDiagramFile;
using dgr::MakeSyntheticDiagram;
using dgr::MaxEncodedHeaderLength;
using dgr::MaxSegments;
using dgr::SyntheticDiagramOptions;

namespace {

SyntheticDiagramOptions Options(std::int32_t segments, std::uint64_t seed) {
  SyntheticDiagramOptions options;
  options.SegmentCount = segments;
  options.Seed = seed;
  return options;
}

TEST(MakeSyntheticDiagram, SameSeedSameFileOtherSeedOtherFile) {
  for (std::uint64_t seed : {1u, 2u, 99u}) {
    std::vector<std::uint8_t> first = EncodeDiagramFile(MakeSyntheticDiagram(Options(300, seed)));
    EXPECT_EQ(first, EncodeDiagramFile(MakeSyntheticDiagram(Options(300, seed))));
    EXPECT_NE(first, EncodeDiagramFile(MakeSyntheticDiagram(Options(300, seed + 1000))));
  }
}

TEST(MakeSyntheticDiagram, WaterThenFuelThenAir) {
  for (std::uint64_t seed = 1; seed <= 50; ++seed) {
    SCOPED_TRACE(seed);
    const auto count = static_cast<std::int32_t>(12 + seed * 97 % 2000);
    DiagramFile f = MakeSyntheticDiagram(Options(count, seed));
    ASSERT_EQ(f.CodeData.size(), static_cast<std::size_t>(count));
    ASSERT_LE(f.WaterSegment, f.FuelSegment);
    ASSERT_LE(f.FuelSegment, count);
    for (int i = 0; i < count; ++i) {
      auto k = static_cast<std::size_t>(i);
      bool fuel = i >= f.WaterSegment && i < f.FuelSegment;
      bool air = i >= f.FuelSegment;
      bool fuelValue = f.FuelData[k] != 255 && f.FuelData[k] != 0;
      bool airValue = f.AirData[k] != 255 && f.AirData[k] != 0;
      EXPECT_TRUE(fuel ? f.FuelData[k] != 255 : !fuelValue) << i;
      EXPECT_TRUE(air ? f.AirData[k] != 255 : !airValue) << i;
    }
    // Codes fall from water to fuel to air, away from the smooth steps.
    auto mean = [&](int from, int to) {
      double sum = 0;
      for (int i = from; i < to; ++i) sum += f.CodeData[static_cast<std::size_t>(i)];
      return sum / (to - from);
    };
    if (f.FuelSegment - f.WaterSegment > 8 && f.WaterSegment > 8) {
      EXPECT_GT(mean(0, f.WaterSegment - 4), mean(f.WaterSegment + 4, f.FuelSegment - 4) + 30);
    }
    if (f.FuelSegment - f.WaterSegment > 8 && count - f.FuelSegment > 8) {
      EXPECT_GT(mean(f.WaterSegment + 4, f.FuelSegment - 4), mean(f.FuelSegment + 4, count) + 30);
    }
    EXPECT_GE(f.RecordTime, 43831.0);  // 01.01.2020
    EXPECT_LT(f.RecordTime, 47484.0);  // 01.01.2030
    EXPECT_NEAR(f.RecordTime * 86400, std::round(f.RecordTime * 86400), 1e-3);
  }
}

TEST(MakeSyntheticDiagram, FieldsTheHeaderCannotHoldAreZero) {
  SyntheticDiagramOptions options = Options(40, 4);
  options.SensorNumber = 9;
  options.HeaderLength = 52;
  DiagramFile f = MakeSyntheticDiagram(options);
  EXPECT_FALSE(f.HasRecordTime);
  EXPECT_EQ(f.RecordTime, 0.0);
  EXPECT_EQ(f.SensorAddress, 0);
  EXPECT_EQ(f.LevelCorrection, 0);
  options.HeaderLength = 62;
  options.SiteType = 16;
  f = MakeSyntheticDiagram(options);
  EXPECT_TRUE(f.HasRecordTime);
  EXPECT_EQ(f.SensorAddress, 8);
  EXPECT_EQ(f.SiteType, 16);
  EXPECT_EQ(f.LevelCorrection, 0);
}

TEST(MakeSyntheticDiagram, CommentIsStoredAsSavingStoresIt) {
  SyntheticDiagramOptions options = Options(12, 1);
  options.Comment = " Вода\nв норме \n";
  DiagramFile f = MakeSyntheticDiagram(options);
  std::string expected = "\xC2\xEE\xE4\xE0\r\n\xE2 \xED\xEE\xF0\xEC\xE5";
  EXPECT_EQ(f.Comment, std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST(MakeSyntheticDiagram, RefusesOptionsOutOfRange) {
  auto with = [](auto change) {
    SyntheticDiagramOptions options;
    change(options);
    return options;
  };
  const std::vector<SyntheticDiagramOptions> bad = {
      with([](auto& o) { o.SegmentCount = -1; }),
      with([](auto& o) { o.SegmentCount = MaxSegments + 1; }),
      with([](auto& o) { o.HeaderLength = 51; }),
      with([](auto& o) { o.HeaderLength = MaxEncodedHeaderLength + 1; }),
      with([](auto& o) { o.HeaderLength = 52; o.SiteType = 32; }),
      with([](auto& o) { o.SensorNumber = 0; }),
      with([](auto& o) { o.SensorNumber = 257; }),
      with([](auto& o) { o.Comment = "∑"; })};
  for (const SyntheticDiagramOptions& options : bad) EXPECT_THROW(MakeSyntheticDiagram(options), std::invalid_argument);
  EXPECT_NO_THROW(MakeSyntheticDiagram(with([](auto& o) { o.SegmentCount = 0; })));
  EXPECT_NO_THROW(MakeSyntheticDiagram(with([](auto& o) { o.SegmentCount = MaxSegments; })));
}

TEST(EncodeDiagramFile, ShortHeadersKeepOnlyWhatFits) {
  DiagramFile f = MakeSyntheticDiagram(Options(3, 8));
  f.Comment = {'c'};
  struct Case {
    std::uint32_t headerLength;
    std::size_t size;
  };
  for (const Case& c : std::vector<Case>{{0, 10}, {8, 18}, {40, 50}, {52, 62}, {64, 74}, {100, 110}}) {
    f.HeaderLength = c.headerLength;
    std::vector<std::uint8_t> bytes = EncodeDiagramFile(f);
    ASSERT_EQ(bytes.size(), c.size) << c.headerLength;
    EXPECT_EQ(bytes[c.headerLength], f.CodeData[0]);
    EXPECT_EQ(bytes.back(), 'c');
  }
  f.HeaderLength = MaxEncodedHeaderLength + 1;
  EXPECT_THROW(EncodeDiagramFile(f), std::invalid_argument);
}

}  // namespace
