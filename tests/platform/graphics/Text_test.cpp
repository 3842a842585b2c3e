#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFont.h"
#include "platform/graphics/Canvas.h"

using platform::graphics::FontAscent;
using platform::graphics::FontCellHeight;
using platform::graphics::GlyphOf;
using platform::graphics::TBitmap;
using platform::graphics::TCanvas;
using platform::graphics::TColor;
using platform::graphics::TGlyph;
using platform::graphics::TPoint;
using platform::graphics::TSize;
using platform::graphics::clAqua;
using platform::graphics::clNavy;
using platform::graphics::clWhite;
using platform::graphics::clWindowText;
using enum platform::graphics::TBrushStyle;

namespace {

std::vector<std::uint16_t> RowsOf(const TGlyph& glyph) {
  return std::vector<std::uint16_t>(std::begin(glyph.Rows), std::end(glyph.Rows));
}

TEST(BitmapFont, DigitsHaveTheClassicMetrics) {
  for (char digit = '0'; digit <= '9'; ++digit) {
    const TGlyph& glyph = GlyphOf(char32_t(digit));
    EXPECT_EQ(glyph.Advance, 6) << digit;
    // Ink only on rows 3 to 10, the last column left free as spacing.
    for (int row = 0; row < FontCellHeight; ++row) {
      if (row < 3 || row >= FontAscent) {
        EXPECT_EQ(glyph.Rows[row], 0) << digit << " row " << row;
      }
      EXPECT_EQ(glyph.Rows[row] >> 5, 0) << digit << " row " << row;
    }
    EXPECT_NE(glyph.Rows[3], 0) << digit;
    EXPECT_NE(glyph.Rows[10], 0) << digit;
  }
}

TEST(BitmapFont, EveryPrintableCharacterHasItsOwnGlyph) {
  std::set<std::vector<std::uint16_t>> seen;
  const TGlyph& missing = GlyphOf(0x416);  // a Cyrillic letter, outside the font
  for (char32_t c = 0x21; c < 0x7F; ++c) {
    const TGlyph& glyph = GlyphOf(c);
    EXPECT_GT(glyph.Advance, 1) << char(c);
    EXPECT_LE(glyph.Advance, 16) << char(c);
    EXPECT_NE(RowsOf(glyph), RowsOf(missing)) << char(c);
    EXPECT_TRUE(seen.insert(RowsOf(glyph)).second) << "glyph of " << char(c) << " repeats another";
  }
  EXPECT_EQ(RowsOf(GlyphOf(' ')), std::vector<std::uint16_t>(FontCellHeight, 0));
}

TEST(BitmapFont, CharactersOutsideTheFontShowAsOneBoxEach) {
  TBitmap bitmap(10, 10);
  const TGlyph& box = GlyphOf(0xFFFD);
  struct Case {
    std::string text;
    int boxes;
  };
  for (const Case& c : {Case{"\xD0\x96", 1}, Case{"\xE2\x82\xAC", 1}, Case{"\xFF", 1}, Case{"\xC3", 1},
                        Case{"\t", 1}, Case{"\xD0\x96\xD0\x96", 2}}) {
    EXPECT_EQ(bitmap.Canvas().TextExtent(c.text).cx, c.boxes * box.Advance) << c.text;
  }
}

TEST(CanvasText, ExtentIsTheSumOfAdvancesAndTheCellHeight) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  EXPECT_EQ(canvas.TextExtent("256"), (TSize{18, 13}));
  EXPECT_EQ(canvas.TextExtent("-4000"), (TSize{GlyphOf('-').Advance + 24, 13}));
  EXPECT_EQ(canvas.TextExtent(""), (TSize{0, 13}));
  EXPECT_EQ(canvas.TextExtent("Ab").cx, GlyphOf('A').Advance + GlyphOf('b').Advance);
}

// Text paints its whole cell: ink in the font colour, the rest in the brush colour.
TEST(CanvasText, TextOutDrawsInkOnAnOpaqueBox) {
  TBitmap bitmap(40, 20);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Color = clAqua;
  canvas.TextOut(3, 2, "47");
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inCell = x >= 3 && x < 15 && y >= 2 && y < 15;
      TColor expected = inCell ? clAqua : clWhite;
      if (inCell) {
        const int column = x - 3;
        const TGlyph& glyph = GlyphOf(column < 6 ? '4' : '7');
        if (glyph.Rows[y - 2] >> (column % 6) & 1) expected = clWindowText;
      }
      EXPECT_EQ(bitmap.Pixel(x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(canvas.PenPos(), (TPoint{15, 2}));
}

TEST(CanvasText, ClearBrushLeavesTheBoxAndFontColourApplies) {
  TBitmap bitmap(20, 20);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Style = bsClear;
  canvas.Font.Color = clNavy;
  canvas.TextOut(0, 0, "8");
  int ink = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const TColor pixel = bitmap.Pixel(x, y);
      EXPECT_TRUE(pixel == clWhite || pixel == clNavy);
      ink += pixel == clNavy;
    }
  }
  int expectedInk = 0;
  for (std::uint16_t row : GlyphOf('8').Rows) expectedInk += __builtin_popcount(row);
  EXPECT_EQ(ink, expectedInk);
}

TEST(CanvasText, TextIsClippedAtEveryEdge) {
  struct Case {
    int x, y;
  };
  for (const Case c : {Case{-7, 0}, Case{5, -9}, Case{8, 4}, Case{INT_MIN, 0}, Case{INT_MAX - 3, INT_MAX - 3},
                       Case{0, INT_MIN}}) {
    TBitmap bitmap(12, 12);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clAqua;
    canvas.TextOut(c.x, c.y, "0123");
    // Compare with the same text drawn whole on a big bitmap and cut out.
    TBitmap whole(40, 40);
    whole.Canvas().Brush.Color = clAqua;
    whole.Canvas().TextOut(14, 14, "0123");
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 12; ++x) {
        const long long wx = 14LL + x - c.x, wy = 14LL + y - c.y;
        const TColor expected = wx >= 0 && wx < 40 && wy >= 0 && wy < 40 ? whole.Pixel(int(wx), int(wy)) : clWhite;
        EXPECT_EQ(bitmap.Pixel(x, y), expected) << c.x << "," << c.y << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
