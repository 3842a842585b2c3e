#include "platform/system/Files.h"

#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/system/FileFaults.h"
#include "platform/system/SystemError.h"

namespace platform::system {

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

namespace {

thread_local std::string openProblem;

// Records why an open failed and gives -1, closing fd when one was opened.
int OpenFailed(std::string problem, int fd = -1) {
  openProblem = std::move(problem);
  if (fd >= 0) ::close(fd);
  return -1;
}

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
    return OpenFailed("unknown open mode");
  }
  // O_NONBLOCK keeps the open itself from waiting on a FIFO; such files are refused below.
  int fd = ::open(path.c_str(), access | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    const int error = errno;
    struct stat info {};
    if (error == EISDIR || (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))) return OpenFailed("is a folder");
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return OpenFailed("not a regular file");
    return OpenFailed(SystemErrorText(error));
  }
  fd = PositiveDescriptor(fd);
  if (fd < 0) return OpenFailed(SystemErrorText(errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0) return OpenFailed(SystemErrorText(errno), fd);
  if (S_ISDIR(info.st_mode)) return OpenFailed("is a folder", fd);
  if (!S_ISREG(info.st_mode)) return OpenFailed("not a regular file", fd);
  int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) return OpenFailed(SystemErrorText(errno), fd);
  // The lock belongs to this open file description, so a second open of the same file fails
  // to take it, whether in this process or another.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) return OpenFailed("is open in this or another program", fd);
    return OpenFailed(SystemErrorText(errno), fd);
  }
  return fd;
}

const std::string& FileOpenProblem() { return openProblem; }

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
    ssize_t put = -1;
    if (int fault = InjectedFileFault(FileStep::Write)) {
      errno = fault;
    } else {
      put = ::write(handle, bytes + done, count - done);
    }
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
  if (int fault = InjectedFileFault(FileStep::Truncate)) {
    errno = fault;
    return false;
  }
  return position >= 0 && ::ftruncate(handle, position) == 0;
}

void FileClose(int handle) {
  if (handle > 0) ::close(handle);
}

}  // namespace platform::system
