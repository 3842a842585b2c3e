#include "diagram_file/SyntheticDiagram.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <fmt/format.h>

#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFileEncoder.h"

namespace dgr {

namespace {

// splitmix64: small, fast and the same on every platform and library version.
class SplitMix64 {
public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  double Between(double low, double high) { return low + (high - low) * Unit(); }
  // Uniform in [low, high].
  int IntBetween(int low, int high) {
    return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }

private:
  std::uint64_t state_;
};

std::uint8_t ClampCode(double value, int highest) {
  return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(value)), 0, highest));
}

// A float with at most `decimals` decimals, as a sensor would report it.
float Rounded(double value, int decimals) {
  double scale = std::pow(10.0, decimals);
  return static_cast<float>(std::round(value * scale) / scale);
}

double Step(double x) { return 1.0 / (1.0 + std::exp(-x)); }

constexpr double FirstDayOf2020 = 43831;  // 01.01.2020 in days from 30.12.1899
constexpr int DaysIn2020s = 3653;

}  // namespace

DiagramFile MakeSyntheticDiagram(const SyntheticDiagramOptions& options) {
  if (options.SegmentCount < 0 || options.SegmentCount > MaxSegments) {
    throw std::invalid_argument(fmt::format("segment count must be 0 to {}", MaxSegments));
  }
  if (options.HeaderLength < MinHeaderLength || options.HeaderLength > MaxEncodedHeaderLength) {
    throw std::invalid_argument(fmt::format("header length must be {} to {}", MinHeaderLength, MaxEncodedHeaderLength));
  }
  if (options.SiteType != 0 && options.HeaderLength < 62) {
    throw std::invalid_argument("a site type needs a header length of 62 or more");
  }
  if (options.SensorNumber < 1 || options.SensorNumber > 256) {
    throw std::invalid_argument("sensor number must be 1 to 256");
  }
  EncodedComment comment = EncodeCommentForSave(options.Comment);
  if (!comment.Ok) {
    throw std::invalid_argument(fmt::format("the comment holds U+{:04X}, which Windows-1251 cannot hold",
                                            static_cast<std::uint32_t>(comment.Unencodable)));
  }

  SplitMix64 random(options.Seed);
  const int count = options.SegmentCount;
  DiagramFile file;
  file.HeaderLength = options.HeaderLength;
  file.SegmentCount = count;

  const int waterTop = static_cast<int>(count * random.Between(0.0, 0.15));
  const int fuelTop = std::min(count, waterTop + static_cast<int>(count * random.Between(0.3, 0.7)));
  const double waterCode = random.Between(185, 220);
  const double fuelCode = random.Between(105, 145);
  const double airCode = random.Between(25, 55);
  const double noise = random.Between(0.5, 4.0);
  const double boundaryWidth = random.Between(0.6, 1.6);

  file.CodeData.resize(static_cast<std::size_t>(count));
  file.FuelData.resize(static_cast<std::size_t>(count));
  file.AirData.resize(static_cast<std::size_t>(count));
  auto noValue = [&] { return static_cast<std::uint8_t>(random.IntBetween(0, 11) == 0 ? 0 : 255); };
  for (int i = 0; i < count; ++i) {
    double level = waterCode + (fuelCode - waterCode) * Step((i - waterTop + 0.5) / boundaryWidth) +
                   (airCode - fuelCode) * Step((i - fuelTop + 0.5) / boundaryWidth);
    auto index = static_cast<std::size_t>(i);
    file.CodeData[index] = ClampCode(level + random.Between(-noise, noise), 255);
    bool fuel = i >= waterTop && i < fuelTop;
    bool air = i >= fuelTop;
    file.FuelData[index] = fuel ? ClampCode(file.CodeData[index] - airCode + random.Between(-1, 1), 254) : noValue();
    file.AirData[index] = air ? ClampCode(file.CodeData[index] + random.Between(-1, 1), 254) : noValue();
  }

  const double segmentHeight = random.Between(4.0, 12.0);  // millimetres
  auto levelInTenths = [&](int segments) {
    return static_cast<int>(std::lround((segments + random.Unit()) * segmentHeight * 10));
  };
  int fuelLevel = count > 0 ? levelInTenths(fuelTop) : 0;
  int waterLevel = count > 0 && waterTop > 0 ? levelInTenths(waterTop) : 0;
  file.FuelLevelWhole = static_cast<std::uint16_t>(fuelLevel / 10);
  file.FuelLevelTenths = static_cast<std::uint8_t>(fuelLevel % 10);
  file.FuelLevelTag = static_cast<std::uint8_t>(random.Next());
  file.WaterLevelWhole = static_cast<std::uint16_t>(waterLevel / 10);
  file.WaterLevelTenths = static_cast<std::uint8_t>(waterLevel % 10);
  file.WaterLevelTag = static_cast<std::uint8_t>(random.Next());
  file.FuelTangent = Rounded(random.Between(0.2, 3.0), 4);
  file.FuelSegment = static_cast<std::uint16_t>(fuelTop);
  file.NoiseValue = Rounded(noise * random.Between(0.2, 0.4), 3);
  file.AirValue = static_cast<std::uint16_t>(std::lround(airCode * 8));
  file.ScaleValue = static_cast<std::uint16_t>(std::lround((fuelCode - airCode) * 8));
  file.DeltaValue = Rounded(random.Between(-2.0, 2.0), 3);
  file.FuelAddition = Rounded(random.Between(0.0, 5.0), 3);
  file.WaterSegment = static_cast<std::uint16_t>(waterTop);

  double day = FirstDayOf2020 + random.IntBetween(0, DaysIn2020s - 1);
  double second = random.IntBetween(0, 86399);
  int correction = random.IntBetween(0, 2) == 0 ? 0 : random.IntBetween(-40, 40);
  if (options.HeaderLength >= 62) {
    file.HasRecordTime = true;
    file.RecordTime = day + second / 86400.0;
    file.SensorAddress = static_cast<std::uint8_t>(options.SensorNumber - 1);
    file.SiteType = options.SiteType;
  }
  if (options.HeaderLength >= 64) file.LevelCorrection = static_cast<std::int16_t>(correction);
  file.Comment = std::move(comment.Bytes);
  return file;
}

}  // namespace dgr
