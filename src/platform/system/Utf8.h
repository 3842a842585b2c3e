#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::system {

// Decodes the code point that starts at byte index of text and moves index past it. Gives false,
// moving index by one byte, at a malformed or overlong sequence, a surrogate or a value above
// U+10FFFF.
bool NextCodePoint(std::string_view text, std::size_t& index, char32_t& codePoint);

// Whether the whole of text is well-formed UTF-8 in the sense of NextCodePoint.
bool IsValidUtf8(std::string_view text);

// Appends the UTF-8 form of a valid code point.
void AppendUtf8(std::string& text, char32_t codePoint);

}  // namespace platform::system
