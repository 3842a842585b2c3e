#include "platform/system/FileReplacement.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/system/FileFaults.h"
#include "platform/system/SystemError.h"

namespace platform::system {

namespace {

constexpr std::size_t CopyPiece = 1 << 16;

// The file a save replaces: the target of a symbolic link, else path itself.
std::string ReplacedPath(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// A name no file of the folder is likely to have, that never ends in ".dgr", so that neither a
// folder listing nor a later save takes a leftover of an interrupted save for a diagram.
std::string NewFileName() {
  static std::mt19937_64 random{std::random_device{}()};
  static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = ".dgrsave-";
  for (int i = 0; i < 12; ++i) name += letters[random() % (sizeof letters - 1)];
  return name;
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

// Runs a system call for a step: an injected fault stands in for the call's failure.
template <typename Call>
int RunStep(FileStep step, Call call) {
  if (int fault = InjectedFileFault(step)) {
    errno = fault;
    return -1;
  }
  return call();
}

}  // namespace

FileReplacement::FileReplacement(const std::string& path) {
  const std::string target = ReplacedPath(path);
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  name_ = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name_.empty()) {
    Fail("names a folder", EISDIR);
    return;
  }

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) {
    Fail("cannot be examined", errno);
    return;
  }
  if (exists && !S_ISREG(old.st_mode)) {
    problem_ = S_ISDIR(old.st_mode) ? "is a folder" : "not a regular file";
    return;
  }
  folder_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) {
    Fail("its folder cannot be opened", errno);
    return;
  }
  for (int attempt = 0; attempt < 100 && new_ < 0; ++attempt) {
    newName_ = NewFileName();
    new_ = RunStep(FileStep::Create, [&] {
      return ::openat(folder_, newName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    });
    if (new_ < 0 && errno != EEXIST) break;
  }
  if (new_ < 0) {
    newName_.clear();
    Fail("no new file can be created beside it in its folder", errno);
    return;
  }
  // Made private, the new file is given its final permissions before it holds any byte.
  if (exists) {
    // Owner first: changing it may clear the set-user-ID and set-group-ID bits.
    if (::fchown(new_, old.st_uid, old.st_gid) != 0) (void)::fchown(new_, static_cast<uid_t>(-1), old.st_gid);
  }
  if (::fchmod(new_, exists ? old.st_mode & 07777 : 0666 & ~CurrentUmask()) != 0) {
    Fail("the new file cannot be given its permissions", errno);
  }
}

FileReplacement::~FileReplacement() {
  Discard();
  if (folder_ >= 0) ::close(folder_);
}

void FileReplacement::Discard() {
  if (new_ >= 0) ::close(new_);
  new_ = -1;
  if (!newName_.empty() && !replaced_) ::unlinkat(folder_, newName_.c_str(), 0);
  newName_.clear();
}

bool FileReplacement::Fail(const std::string& what, int error) {
  if (problem_.empty()) {
    problem_ = what + ": " + SystemErrorText(error);
    error_ = error;
  }
  Discard();
  return false;
}

bool FileReplacement::Write(std::span<const std::uint8_t> bytes) {
  if (!Ok()) return false;
  while (!bytes.empty()) {
    const std::size_t piece = std::min(bytes.size(), CopyPiece);
    const ssize_t put = RunStep(FileStep::Write, [&] { return static_cast<int>(::write(new_, bytes.data(), piece)); });
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return Fail("the new content cannot be written", errno);
    if (put == 0) return Fail("the new content cannot be written", ENOSPC);
    bytes = bytes.subspan(static_cast<std::size_t>(put));
  }
  return true;
}

bool FileReplacement::CopyFrom(int handle, std::int64_t offset, std::int64_t count) {
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, CopyPiece)));
  while (Ok() && count > 0) {
    const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(count, CopyPiece));
    const ssize_t got = ::pread(handle, buffer.data(), piece, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Fail("the file cannot be read", errno);
    if (got == 0) {
      problem_ = "the file became shorter while it was being saved";
      Discard();
      return false;
    }
    if (!Write({buffer.data(), static_cast<std::size_t>(got)})) return false;
    offset += got;
    count -= got;
  }
  return Ok();
}

bool FileReplacement::Commit() {
  if (!Ok()) return false;
  if (RunStep(FileStep::Flush, [&] { return ::fsync(new_); }) != 0) return Fail("the new content cannot be flushed to disk", errno);
  newStamp_ = StampOfHandle(new_);
  const int closed = ::close(new_);
  new_ = -1;
  if (closed != 0) return Fail("the new content cannot be written", errno);
  if (RunStep(FileStep::Rename, [&] { return ::renameat(folder_, newName_.c_str(), folder_, name_.c_str()); }) != 0) {
    return Fail("the new file cannot be renamed over the old one", errno);
  }
  replaced_ = true;
  newName_.clear();
  if (RunStep(FileStep::FlushFolder, [&] { return ::fsync(folder_); }) != 0) {
    return Fail("the new content is in place, but its folder cannot be flushed to disk", errno);
  }
  return true;
}

std::string ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes) {
  FileReplacement replacement(path);
  replacement.Write(bytes);
  replacement.Commit();
  return replacement.Problem();
}

}  // namespace platform::system
