#include "platform/system/Text.h"

namespace platform::system {

std::string UpperCase(std::string_view s) {
  std::string result(s);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::size_t Pos(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  std::size_t found = s.find(sub);
  return found == std::string_view::npos ? 0 : found + 1;
}

}  // namespace platform::system
