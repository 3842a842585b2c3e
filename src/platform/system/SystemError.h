#pragma once

#include <string>

namespace platform::system {

// The system's own words for an error number ("No space left on device").
std::string SystemErrorText(int error);

}  // namespace platform::system
