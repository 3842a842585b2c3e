#pragma once

#include <iostream>
#include <string>

#include "platform/system/DisplayText.h"

namespace dgr {

// Reports a problem with one file on stderr in the tool's one format; the name is escaped, so a
// name that is not UTF-8 or holds control characters reaches the terminal as plain text.
inline void ReportFileProblem(const std::string& file, const std::string& reason) {
  std::cerr << "dgrtool: " << platform::system::EscapedForDisplay(file) << ": " << reason << "\n";
}

}  // namespace dgr
