#pragma once

#include <cstdint>
#include <string_view>

#include "platform/system/Utf8.h"

namespace platform::graphics {

using platform::system::NextCodePoint;

// The built-in bitmap font that all bitmaps draw text with: a 13-pixel text cell with the
// metrics of the classic 8-point sans serif at 96 dots per inch (ascent 11, descent 2, digits
// 6 pixels apart). It covers printable ASCII; every other character shows as a hollow box.
constexpr int FontCellHeight = 13;
constexpr int FontAscent = 11;

struct TGlyph {
  int Advance = 0;  // width of the glyph's cell, its spacing included
  // Ink of each row of the cell, bit i set for column i counted from the left.
  std::uint16_t Rows[FontCellHeight] = {};
};

const TGlyph& GlyphOf(char32_t character);

// Calls visit(glyph) for each character of a UTF-8 string; a byte that starts no valid sequence
// counts as one character and shows as the box.
template <typename Visit>
void ForEachGlyph(std::string_view text, Visit visit) {
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t character = 0;
    if (!NextCodePoint(text, at, character)) character = 0xFFFD;
    visit(GlyphOf(character));
  }
}

}  // namespace platform::graphics
