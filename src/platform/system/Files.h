#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::system {

// File routines with the old platform's names and results. Handles are plain numbers; a value of
// 0 or less from FileOpen means the open failed.

constexpr int fmOpenRead = 0;
constexpr int fmOpenReadWrite = 2;

// True when path names an existing regular file (not a folder).
bool FileExists(const std::string& path);

// Opens an existing regular file for reading (fmOpenRead) or reading and writing
// (fmOpenReadWrite) without sharing: while it is open, any further FileOpen of the same file, in
// this process or another, fails. Gives a handle > 0, or -1 on failure.
int FileOpen(const std::string& path, int mode);

// Why the last failed FileOpen of this thread failed: the system's reason ("No such file or
// directory", "Permission denied"), "not a regular file", "is a folder", or that the file is open
// in this or another program.
const std::string& FileOpenProblem();

// Moves the position: origin 0 from the start, 1 from the current position, 2 from the end.
// Gives the new position, or -1 on failure.
std::int64_t FileSeek(int handle, std::int64_t offset, int origin);

// Reads up to count bytes at the current position and advances it; fewer at the end of the
// file. Gives the count read, or -1 on failure.
std::int64_t FileRead(int handle, void* buffer, std::size_t count);

// Writes count bytes at the current position. Gives the count written, or -1 on failure. Writes
// and cuts pass the test seam of FileFaults.h.
std::int64_t FileWrite(int handle, const void* buffer, std::size_t count);

// Cuts the file at the current position. Gives true on success.
bool FileTruncate(int handle);

void FileClose(int handle);

}  // namespace platform::system
