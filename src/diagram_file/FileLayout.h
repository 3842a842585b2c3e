#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>

#include "diagram_file/DiagramFile.h"

namespace dgr {

// Where everything lies in a .dgr file: the header fields with their byte order, the segment
// arrays after the header, and the comment area after the arrays. Reading, writing and the
// comment rewrite all work from this one description.

// Header lengths from which the optional fields are present, compared unsigned.
inline constexpr std::uint32_t HeaderWithRecordTime = 62;  // RecordTime, SensorAddress, SiteType
inline constexpr std::uint32_t HeaderWithCorrection = 64;  // LevelCorrection

// Bytes at the start of a file that hold every header field.
inline constexpr std::size_t HeaderImageSize = 64;
using HeaderImage = std::array<std::uint8_t, HeaderImageSize>;

enum class ByteOrder { Little, Big };

template <class T>
struct HeaderField {
  T DiagramFile::*Member;
  std::size_t Offset;
  ByteOrder Order;
  std::uint32_t PresentFrom;  // the smallest HeaderLength that holds the field
};

// HeaderLength comes first: it decides which of the later fields a header holds.
inline constexpr std::tuple HeaderFields{
    HeaderField<std::uint32_t>{&DiagramFile::HeaderLength, 0, ByteOrder::Little, 0},
    HeaderField<std::int32_t>{&DiagramFile::SegmentCount, 4, ByteOrder::Little, 0},
    // The parameter block, offsets 8 to 51, is read whatever HeaderLength says.
    HeaderField<std::uint16_t>{&DiagramFile::FuelLevelWhole, 8, ByteOrder::Big, 0},
    HeaderField<std::uint8_t>{&DiagramFile::FuelLevelTenths, 10, ByteOrder::Big, 0},
    HeaderField<std::uint8_t>{&DiagramFile::FuelLevelTag, 11, ByteOrder::Big, 0},
    HeaderField<std::uint16_t>{&DiagramFile::WaterLevelWhole, 12, ByteOrder::Big, 0},
    HeaderField<std::uint8_t>{&DiagramFile::WaterLevelTenths, 14, ByteOrder::Big, 0},
    HeaderField<std::uint8_t>{&DiagramFile::WaterLevelTag, 15, ByteOrder::Big, 0},
    HeaderField<float>{&DiagramFile::FuelTangent, 18, ByteOrder::Big, 0},
    HeaderField<std::uint16_t>{&DiagramFile::FuelSegment, 22, ByteOrder::Big, 0},
    HeaderField<float>{&DiagramFile::NoiseValue, 26, ByteOrder::Big, 0},
    HeaderField<std::uint16_t>{&DiagramFile::AirValue, 30, ByteOrder::Big, 0},
    HeaderField<std::uint16_t>{&DiagramFile::ScaleValue, 32, ByteOrder::Big, 0},
    HeaderField<float>{&DiagramFile::DeltaValue, 42, ByteOrder::Big, 0},
    HeaderField<float>{&DiagramFile::FuelAddition, 46, ByteOrder::Big, 0},
    HeaderField<std::uint16_t>{&DiagramFile::WaterSegment, 50, ByteOrder::Big, 0},
    HeaderField<double>{&DiagramFile::RecordTime, 52, ByteOrder::Little, HeaderWithRecordTime},
    HeaderField<std::uint8_t>{&DiagramFile::SensorAddress, 60, ByteOrder::Little, HeaderWithRecordTime},
    HeaderField<std::uint8_t>{&DiagramFile::SiteType, 61, ByteOrder::Little, HeaderWithRecordTime},
    HeaderField<std::int16_t>{&DiagramFile::LevelCorrection, 62, ByteOrder::Little, HeaderWithCorrection},
};

// The segment arrays follow the header in this order, SegmentCount bytes each.
inline constexpr std::array FileArrays{&SegmentArrays::CodeData, &SegmentArrays::FuelData, &SegmentArrays::AirData};

// Offset of the comment area, which runs to the end of the file.
constexpr std::int64_t CommentStart(std::uint32_t headerLength, std::int32_t segmentCount) {
  return std::int64_t{headerLength} + std::int64_t(FileArrays.size()) * segmentCount;
}

// Sets the header fields of file from the first bytes of a file (zeros beyond its end): those
// the decoded HeaderLength holds, and HasRecordTime with them. Other fields keep their values.
void DecodeHeader(const HeaderImage& image, DiagramFile& file);

// Writes every header field of file into image, whatever HeaderLength says.
void EncodeHeader(const DiagramFile& file, HeaderImage& image);

}  // namespace dgr
