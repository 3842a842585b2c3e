#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/system/FileStamp.h"

namespace platform::system {

// Replaces a file all at once: the new content goes into a new file beside the old one, which is
// flushed to disk and renamed over the old one, and then the folder is flushed. Until the rename
// the old file is untouched; after it the path names the complete new file. So a full disk, an
// I/O error or a crash at any instant leaves either the old file or the new one.
//
// The new file gets the old one's permissions, and its owner and group where the process may
// set them. It is a new file: other hard links keep naming the old content, and extended
// attributes are not carried over. A symbolic link is followed and its target replaced. Where
// no old file exists, the new one is created with the usual permissions (0666 less the umask).
//
// Every step can fail; the first failure stops the work, and Problem() then says which step
// failed and the system's reason. Destroying an uncommitted replacement removes the new file.
class FileReplacement {
public:
  explicit FileReplacement(const std::string& path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  bool Ok() const { return problem_.empty(); }
  const std::string& Problem() const { return problem_; }
  // The system's error number behind Problem(), or 0 when the problem is no system error.
  int Error() const { return error_; }

  // Appends bytes to the new content.
  bool Write(std::span<const std::uint8_t> bytes);
  // Appends count bytes of the open file handle from offset, in pieces of bounded size.
  bool CopyFrom(int handle, std::int64_t offset, std::int64_t count);
  // Flushes the new file, renames it over the old one and flushes the folder.
  bool Commit();
  // The path names the new content: the rename is done, even if flushing the folder failed.
  bool Replaced() const { return replaced_; }
  // The new file's stamp once it is flushed.
  const std::optional<FileStamp>& NewStamp() const { return newStamp_; }

private:
  bool Fail(const std::string& what, int error);
  void Discard();

  std::string name_;        // the replaced file's name within its folder
  int folder_ = -1;
  std::string newName_;     // the new file's name within the folder
  int new_ = -1;
  bool replaced_ = false;
  std::optional<FileStamp> newStamp_;
  std::string problem_;
  int error_ = 0;
};

// Writes bytes as the whole new content of the file at path by a FileReplacement. Gives "" on
// success, else the reason.
std::string ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace platform::system
