#pragma once

#include <cstdint>
#include <string>

#include "diagram_file/DiagramFile.h"

namespace dgr {

struct SyntheticDiagramOptions {
  std::int32_t SegmentCount = 256;   // 0 to MaxSegments
  std::uint32_t HeaderLength = 64;   // 52 to MaxEncodedHeaderLength
  std::uint8_t SiteType = 0;         // needs HeaderLength >= 62 unless 0
  int SensorNumber = 1;              // 1 to 256, the number shown; stored as SensorAddress - 1
  std::string Comment;               // UTF-8; stored as saving stores it; "" for no comment area
  std::uint64_t Seed = 1;
};

// A plausible dump of a segmented level sensor, the same for the same options: water in the
// bottom segments (from index 0), fuel above, air above that. CodeData is noisy with smooth
// steps at the two boundaries; FuelData holds codes only in the fuel segments and AirData only in
// the air segments, 255 (now and then 0) elsewhere. The header agrees with the arrays
// (WaterSegment and FuelSegment are the boundaries, the levels follow from them) and RecordTime
// is a whole second in the years 2020 to 2029. The record holds exactly what reading the
// encoded file back gives: fields the header length cannot hold are 0.
// Throws std::invalid_argument for options out of range or a comment Windows-1251 cannot hold.
DiagramFile MakeSyntheticDiagram(const SyntheticDiagramOptions& options);

}  // namespace dgr
