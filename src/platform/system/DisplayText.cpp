#include "platform/system/DisplayText.h"

#include <fmt/format.h>

#include "platform/system/Utf8.h"

namespace platform::system {

std::string EscapedForDisplay(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t index = 0; index < text.size();) {
    const std::size_t start = index;
    char32_t c = 0;
    if (!NextCodePoint(text, index, c)) {
      shown += fmt::format("\\x{:02X}", static_cast<unsigned char>(text[start]));
    } else if (c < 0x20 || c == 0x7F) {
      shown += fmt::format("\\x{:02X}", static_cast<unsigned>(c));
    } else if (c >= 0x80 && c < 0xA0) {
      shown += fmt::format("\\u{:04X}", static_cast<unsigned>(c));
    } else {
      shown.append(text.substr(start, index - start));
    }
  }
  return shown;
}

}  // namespace platform::system
