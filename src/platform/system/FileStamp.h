#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform::system {

// What the system tells of a file without reading it: which file it is, its size and when its
// content last changed. Two stamps differ when the file was replaced, written or cut between them
// (a write that keeps the size within the clock's resolution aside).
struct FileStamp {
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  std::int64_t Size = 0;
  std::int64_t ModifiedNs = 0;

  bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOfHandle(int handle);
// Follows symbolic links.
std::optional<FileStamp> StampOfPath(const std::string& path);

}  // namespace platform::system
