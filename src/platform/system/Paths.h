#pragma once

#include <string>

namespace platform::system {

// The file name part of path: everything after its last '/'.
std::string ExtractFileName(const std::string& path);

// The folder part of path, up to and including its last '/'; "" when it has none.
std::string ExtractFilePath(const std::string& path);

}  // namespace platform::system
