#include "app/Glyphs.h"

#include <string_view>

namespace dgr {

using platform::graphics::RGBColor;
using platform::graphics::TColor;
using platform::graphics::clAqua;
using platform::graphics::clBlack;
using platform::graphics::clBlue;
using platform::graphics::clGreen;
using platform::graphics::clMedGray;
using platform::graphics::clNavy;
using platform::graphics::clRed;
using platform::graphics::clWhite;

namespace {

// Background of the glyphs: a colour that no glyph pixel uses.
constexpr TColor GlyphBackground = RGBColor(255, 0, 255);

struct PaletteEntry {
  char key;
  TColor color;
};

constexpr PaletteEntry Palette[] = {
    {'.', GlyphBackground},
    {'k', clBlack},
    {'w', clWhite},
    {'y', RGBColor(255, 214, 64)},
    {'o', RGBColor(200, 150, 32)},
    {'g', RGBColor(128, 128, 128)},
    {'l', RGBColor(192, 192, 192)},
    {'b', clBlue},
    {'r', clRed},
    {'G', clGreen},
    {'a', clAqua},
    {'m', clMedGray},
    {'n', clNavy},
};

TColor ColorOf(char key) {
  for (const PaletteEntry& entry : Palette)
    if (entry.key == key) return entry.color;
  return GlyphBackground;
}

template <std::size_t Rows>
TBitmap FromRows(const std::string_view (&rows)[Rows]) {
  TBitmap bitmap(int(rows[0].size()), int(Rows));
  for (int y = 0; y < int(Rows); ++y)
    for (int x = 0; x < int(rows[y].size()); ++x) bitmap.SetPixel(x, y, ColorOf(rows[y][x]));
  return bitmap;
}

}  // namespace

TBitmap OpenFileGlyph() {
  static constexpr std::string_view rows[] = {
      "................",
      "................",
      "..kkkk..........",
      ".kyyyyk.........",
      ".kyyyyykkkkkkk..",
      ".kyyyyyyyyyyyk..",
      ".kyyykkkkkkkkkkk",
      ".kyykoooooooooko",
      ".kykoooooooook..",
      ".kykooooooooko..",
      ".kkoooooooook...",
      ".kkooooooooko...",
      ".kkkkkkkkkkk....",
      "................",
      "................",
      "................",
  };
  return FromRows(rows);
}

TBitmap CommentGlyph() {
  static constexpr std::string_view rows[] = {
      "................",
      "..kkkkkkkkkk....",
      "..kwwwwwwwwkk...",
      "..kwwwwwwwwkwk..",
      "..kwnnnnnnwkkkk.",
      "..kwwwwwwwwwwwk.",
      "..kwnnnnnnnnnwk.",
      "..kwwwwwwwwwwwk.",
      "..kwnnnnnnnnnwk.",
      "..kwwwwwwwwwwwk.",
      "..kwnnnnnnnnnwk.",
      "..kwwwwwwwwwwwk.",
      "..kwnnnnnnwwwwk.",
      "..kwwwwwwwwwwwk.",
      "..kkkkkkkkkkkkk.",
      "................",
  };
  return FromRows(rows);
}

TBitmap DiagramIcon() {
  static constexpr std::string_view rows[] = {
      "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaaaaaak",
      "kaamaaaaaaamaaaaaaamaaaaaaamaaak",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaaaaaak",
      "kaamaaaaaaamaaaaaaamaaaaaaamaaak",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaaaaaak",
      "kaamaaaaaaamaaaaaaamaaaaaaamaaak",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaaaaaak",
      "kaammammammammammammammammammaak",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaabbbbk",
      "kaamaaaaaaamaaaaaaamaaaaaaabaaak",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaabaaak",
      "kaamaaaaaaamaaaaaaamaaaaaaabaaak",
      "kaaaaaaaaaaaaaaaaaaaarrrrrrraaak",
      "kaamaaaaaaamaaaaaaamarmaaaamaaak",
      "kaaaaaaaaaaaaaaaaaaaaraaaaaaaaak",
      "kaammammammammammammarmammammaak",
      "kaaaaaaaaaaaaaaaaaaaaraaaaaaaaak",
      "kaamaaaaaaamaaGGGGGGGGmaaaamaaak",
      "kaaaaaaaaaaaaaGaaaaaaaaaaaaaaaak",
      "kaamaaaaaaamaaGaaaaamaaaaaamaaak",
      "kaaaaaaaaaaaaaGaaaaaaaaaaaaaaaak",
      "kaamaaaaaaamaaGaaaaamaaaaaamaaak",
      "kaammammammammGmammammammammmaak",
      "kaabbbbbbbbbbbbaaaaaaaaaaaaaaaak",
      "kaabaaaaaaamaaaaaaamaaaaaaamaaak",
      "kaabaaaaaaaaaaaaaaaaaaaaaaaaaaak",
      "kaabaaaaaaamaaaaaaamaaaaaaamaaak",
      "kaammmmmmmmmmmmmmmmmmmmmmmmmmmak",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaaaaaak",
      "kaaaaaaaaaaaaaaaaaaaaaaaaaaaaaak",
      "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
  };
  return FromRows(rows);
}

}  // namespace dgr
