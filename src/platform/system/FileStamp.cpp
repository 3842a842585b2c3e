#include "platform/system/FileStamp.h"

#include <sys/stat.h>

namespace platform::system {

namespace {
FileStamp FromStat(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino), static_cast<std::int64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}
}  // namespace

std::optional<FileStamp> StampOfHandle(int handle) {
  struct stat info {};
  if (::fstat(handle, &info) != 0) return std::nullopt;
  return FromStat(info);
}

std::optional<FileStamp> StampOfPath(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FromStat(info);
}

}  // namespace platform::system
