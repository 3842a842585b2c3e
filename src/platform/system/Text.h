#pragma once

#include <string>
#include <string_view>

namespace platform::system {

// s with the ASCII letters a to z made upper case; every other byte unchanged.
std::string UpperCase(std::string_view s);

// 1-based position of the first occurrence of sub in s; 0 when it does not occur or sub is empty.
std::size_t Pos(std::string_view sub, std::string_view s);

}  // namespace platform::system
