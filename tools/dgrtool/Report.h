#pragma once

#include <iostream>
#include <string>

namespace dgr {

// Reports a problem with one file on stderr in the tool's one format.
inline void ReportFileProblem(const std::string& file, const std::string& reason) {
  std::cerr << "dgrtool: " << file << ": " << reason << "\n";
}

}  // namespace dgr
