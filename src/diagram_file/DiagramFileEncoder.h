#pragma once

#include <cstdint>
#include <vector>

#include "diagram_file/DiagramFile.h"

namespace dgr {

// Largest HeaderLength the encoder writes out; files with larger values are made by patching the
// first four bytes of an encoded file.
constexpr std::uint32_t MaxEncodedHeaderLength = 65536;

// The bytes of a .dgr file holding record, laid out exactly where the reader looks for them:
// the header image (HeaderLength and SegmentCount little-endian, the parameter block big-endian
// at offset 8, RecordTime, SensorAddress and SiteType at 52 to 61, LevelCorrection at 62), of
// which only the first HeaderLength bytes are written (so a header shorter than 52 bytes loses
// the end of its parameter block, and fields that need a longer header are not written),
// zeros up to HeaderLength when it exceeds 64, then CodeData, FuelData, AirData and the Comment
// bytes, each written as held. The arrays are not checked against SegmentCount, so a record whose
// arrays disagree with its count gives a file that announces one thing and holds another.
// Throws std::invalid_argument when HeaderLength exceeds MaxEncodedHeaderLength.
std::vector<std::uint8_t> EncodeDiagramFile(const DiagramFile& record);

}  // namespace dgr
