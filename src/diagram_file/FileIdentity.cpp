#include "diagram_file/FileIdentity.h"

#include <algorithm>
#include <array>
#include <unistd.h>

#include "diagram_file/DiagramFile.h"

namespace dgr {

std::optional<FileIdentity> IdentifyOpenFile(int handle) {
  const std::optional<platform::system::FileStamp> stamp = platform::system::StampOfHandle(handle);
  if (!stamp) return std::nullopt;
  std::array<std::uint8_t, 1 << 16> piece{};
  const ssize_t headerBytes = ::pread(handle, piece.data(), 8, 0);
  if (headerBytes < 0) return std::nullopt;
  std::int64_t headerLength = 0;
  std::int64_t segmentCount = 0;
  for (int i = 3; i >= 0; --i) {
    headerLength = (headerLength << 8) | piece[static_cast<std::size_t>(i)];
    segmentCount = (segmentCount << 8) | piece[static_cast<std::size_t>(4 + i)];
  }
  segmentCount = static_cast<std::int32_t>(segmentCount);
  FileIdentity identity;
  identity.Stamp = *stamp;
  identity.PrefixLength = std::clamp<std::int64_t>(headerLength + 3 * segmentCount, 0, stamp->Size);
  // FNV-1a: any change of a byte, or of the length, changes the hash but for chance.
  std::uint64_t hash = 14695981039346656037ull;
  for (std::int64_t offset = 0; offset < identity.PrefixLength;) {
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(identity.PrefixLength - offset, piece.size()));
    const ssize_t got = ::pread(handle, piece.data(), want, offset);
    if (got <= 0) return std::nullopt;
    for (ssize_t i = 0; i < got; ++i) hash = (hash ^ piece[static_cast<std::size_t>(i)]) * 1099511628211ull;
    offset += got;
  }
  identity.PrefixHash = hash;
  return identity;
}

}  // namespace dgr
