#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "diagram_file/DiagramFile.h"
#include "diagram_file/DiagramFileEncoder.h"
#include "diagram_file/SyntheticDiagram.h"

using dgr::DiagramFile;
using dgr::MakeSyntheticDiagram;
using dgr::SyntheticDiagramOptions;

// Overwrites 4 bytes at offset with value, little-endian, as HeaderLength and SegmentCount are
// stored.
inline void PutLittle32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

// The bytes of a comment area that a read keeps: up to and including the first zero byte.
inline std::vector<std::uint8_t> ReadPartOfCommentArea(std::vector<std::uint8_t> area) {
  const auto zero = std::find(area.begin(), area.end(), std::uint8_t{0});
  if (zero != area.end()) area.erase(zero + 1, area.end());
  return area;
}

inline DiagramFile SampleDiagram(std::int32_t segments, std::uint32_t headerLength, const std::string& comment, std::uint64_t seed) {
  SyntheticDiagramOptions options;
  options.SegmentCount = segments;
  options.HeaderLength = headerLength;
  options.Comment = comment;
  options.Seed = seed;
  return MakeSyntheticDiagram(options);
}
