#include "diagram_file/DiagramFileEncoder.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace dgr {

namespace {

void PutLittle(std::uint8_t* at, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutBig(std::uint8_t* at, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * (size - 1 - i)));
}

void PutBigFloat(std::uint8_t* at, float value) { PutBig(at, std::bit_cast<std::uint32_t>(value), 4); }

}  // namespace

std::vector<std::uint8_t> EncodeDiagramFile(const DiagramFile& record) {
  if (record.HeaderLength > MaxEncodedHeaderLength) {
    throw std::invalid_argument("EncodeDiagramFile: header length too large to write out");
  }
  std::uint8_t image[64] = {};
  PutLittle(image + 0, record.HeaderLength, 4);
  PutLittle(image + 4, static_cast<std::uint32_t>(record.SegmentCount), 4);
  PutBig(image + 8, record.FuelLevelWhole, 2);
  image[10] = record.FuelLevelTenths;
  image[11] = record.FuelLevelTag;
  PutBig(image + 12, record.WaterLevelWhole, 2);
  image[14] = record.WaterLevelTenths;
  image[15] = record.WaterLevelTag;
  PutBigFloat(image + 18, record.FuelTangent);
  PutBig(image + 22, record.FuelSegment, 2);
  PutBigFloat(image + 26, record.NoiseValue);
  PutBig(image + 30, record.AirValue, 2);
  PutBig(image + 32, record.ScaleValue, 2);
  PutBigFloat(image + 42, record.DeltaValue);
  PutBigFloat(image + 46, record.FuelAddition);
  PutBig(image + 50, record.WaterSegment, 2);
  PutLittle(image + 52, std::bit_cast<std::uint64_t>(record.RecordTime), 8);
  image[60] = record.SensorAddress;
  image[61] = record.SiteType;
  PutLittle(image + 62, static_cast<std::uint16_t>(record.LevelCorrection), 2);

  std::vector<std::uint8_t> bytes(record.HeaderLength, 0);
  std::copy_n(image, std::min<std::size_t>(record.HeaderLength, sizeof image), bytes.begin());
  for (const auto* array : {&record.CodeData, &record.FuelData, &record.AirData, &record.Comment}) {
    bytes.insert(bytes.end(), array->begin(), array->end());
  }
  return bytes;
}

}  // namespace dgr
