#include "diagram_file/DiagramFileEncoder.h"

#include <algorithm>
#include <stdexcept>

#include "diagram_file/FileLayout.h"

namespace dgr {

std::vector<std::uint8_t> EncodeDiagramFile(const DiagramFile& record) {
  if (record.HeaderLength > MaxEncodedHeaderLength) {
    throw std::invalid_argument("EncodeDiagramFile: header length too large to write out");
  }
  HeaderImage image{};
  EncodeHeader(record, image);

  std::vector<std::uint8_t> bytes(record.HeaderLength, 0);
  std::copy_n(image.begin(), std::min<std::size_t>(record.HeaderLength, image.size()), bytes.begin());
  for (const auto array : FileArrays) bytes.insert(bytes.end(), (record.*array).begin(), (record.*array).end());
  bytes.insert(bytes.end(), record.Comment.begin(), record.Comment.end());
  return bytes;
}

}  // namespace dgr
