#include "platform/system/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::system {

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

namespace {

// Gives fd itself when it is above 0, else a duplicate above 0, so that every valid handle is
// positive as callers expect.
int PositiveDescriptor(int fd) {
  if (fd > 0) return fd;
  int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 1);
  ::close(fd);
  return moved;
}

}  // namespace

int FileOpen(const std::string& path, int mode) {
  int access = 0;
  if (mode == fmOpenRead) {
    access = O_RDONLY;
  } else if (mode == fmOpenReadWrite) {
    access = O_RDWR;
  } else {
    return -1;
  }
  // O_NONBLOCK keeps the open itself from waiting on a FIFO; such files are refused below.
  int fd = ::open(path.c_str(), access | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return -1;
  fd = PositiveDescriptor(fd);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
    ::close(fd);
    return -1;
  }
  // The lock belongs to this open file description, so a second open of the same file fails
  // to take it, whether in this process or another.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::int64_t FileSeek(int handle, std::int64_t offset, int origin) {
  int whence = 0;
  switch (origin) {
    case 0: whence = SEEK_SET; break;
    case 1: whence = SEEK_CUR; break;
    case 2: whence = SEEK_END; break;
    default: return -1;
  }
  off_t position = ::lseek(handle, static_cast<off_t>(offset), whence);
  return position < 0 ? -1 : static_cast<std::int64_t>(position);
}

std::int64_t FileRead(int handle, void* buffer, std::size_t count) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t got = ::read(handle, bytes + done, count - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? static_cast<std::int64_t>(done) : -1;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<std::int64_t>(done);
}

std::int64_t FileWrite(int handle, const void* buffer, std::size_t count) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t put = ::write(handle, bytes + done, count - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? static_cast<std::int64_t>(done) : -1;
    }
    if (put == 0) break;
    done += static_cast<std::size_t>(put);
  }
  return static_cast<std::int64_t>(done);
}

bool FileTruncate(int handle) {
  off_t position = ::lseek(handle, 0, SEEK_CUR);
  return position >= 0 && ::ftruncate(handle, position) == 0;
}

void FileClose(int handle) {
  if (handle > 0) ::close(handle);
}

}  // namespace platform::system
