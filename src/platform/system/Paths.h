#pragma once

#include <string>

// The file name part of path: everything after its last '/'.
std::string ExtractFileName(const std::string& path);

// The folder part of path, up to and including its last '/'; "" when it has none.
std::string ExtractFilePath(const std::string& path);
