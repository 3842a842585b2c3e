#include "platform/system/Utf8.h"

namespace platform::system {

bool NextCodePoint(std::string_view text, std::size_t& index, char32_t& codePoint) {
  auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byteAt(index);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if (lead < 0x80) {
    codePoint = lead;
    ++index;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    value = lead & 0x07;
    smallest = 0x10000;
  } else {
    ++index;
    return false;
  }
  if (text.size() - index < length) {
    ++index;
    return false;
  }
  for (std::size_t k = 1; k < length; ++k) {
    unsigned char next = byteAt(index + k);
    if ((next & 0xC0) != 0x80) {
      ++index;
      return false;
    }
    value = (value << 6) | (next & 0x3F);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++index;
    return false;
  }
  codePoint = value;
  index += length;
  return true;
}

void AppendUtf8(std::string& text, char32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (codePoint >> 18));
    text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  char32_t ignored = 0;
  for (std::size_t index = 0; index < text.size();) {
    if (!NextCodePoint(text, index, ignored)) return false;
  }
  return true;
}

}  // namespace platform::system
