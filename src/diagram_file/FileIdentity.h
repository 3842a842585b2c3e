#pragma once

#include <cstdint>
#include <optional>

#include "platform/system/FileStamp.h"

namespace dgr {

// What a save compares to tell whether a diagram file is still the one that was loaded: which
// file the path named, its size and modification time, and the bytes before its comment area.
struct FileIdentity {
  platform::system::FileStamp Stamp;
  std::int64_t PrefixLength = 0;  // the bytes before the comment area that the file holds
  std::uint64_t PrefixHash = 0;

  bool operator==(const FileIdentity&) const = default;
};

// The identity of an open diagram file, reading the bytes before its comment area in pieces of
// bounded size; nullopt when the file cannot be examined or read.
std::optional<FileIdentity> IdentifyOpenFile(int handle);

}  // namespace dgr
