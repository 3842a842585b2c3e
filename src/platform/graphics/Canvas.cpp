#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFont.h"

namespace platform::graphics {

namespace {

__extension__ using Int128 = __int128;

// The cosmetic pen patterns: a pixel at distance i from a line's start is ink when
// i mod Period < On. A solid pen is all ink.
struct Pattern {
  std::int64_t On;
  std::int64_t Period;
};

Pattern PatternOf(TPenStyle style) {
  switch (style) {
    case psDot: return {3, 6};
    case psDash: return {18, 24};
    case psSolid: break;
  }
  return {1, 1};
}

// Visits the pattern runs that cover pixel indices [begin, end) of a line: visit(first, last,
// ink) for each run of equal kind, first and last inclusive.
template <typename Visit>
void ForEachRun(Pattern pattern, std::int64_t begin, std::int64_t end, Visit visit) {
  std::int64_t i = begin;
  while (i < end) {
    const std::int64_t phase = i % pattern.Period;
    const bool ink = phase < pattern.On;
    const std::int64_t runEnd = std::min(end, i - phase + (ink ? pattern.On : pattern.Period));
    visit(i, runEnd - 1, ink);
    i = runEnd;
  }
}

// The indices i in [0, count) for which start + step * i lies in [0, limit), step being 1 or -1.
void ClipSteps(std::int64_t start, int step, std::int64_t limit, std::int64_t count,
               std::int64_t& begin, std::int64_t& end) {
  std::int64_t low = step > 0 ? -start : start - limit + 1;
  std::int64_t high = step > 0 ? limit - start : start + 1;
  begin = std::max<std::int64_t>(low, 0);
  end = std::min(high, count);
}

}  // namespace

void TCanvas::FillRect(int left, int top, int right, int bottom) {
  if (Brush.Style != bsSolid) return;
  left = std::clamp(left, 0, bitmap_.Width());
  right = std::clamp(right, 0, bitmap_.Width());
  top = std::clamp(top, 0, bitmap_.Height());
  bottom = std::clamp(bottom, 0, bitmap_.Height());
  if (left >= right) return;
  for (int y = top; y < bottom; ++y) {
    TColor* row = bitmap_.Row(y);
    std::fill(row + left, row + right, Brush.Color);
  }
}

void TCanvas::LineTo(int x, int y) {
  const TPoint from = penPos_;
  penPos_ = {x, y};
  if (from.Y == y) {
    HorizontalLine(from.X, y, x);
  } else if (from.X == x) {
    VerticalLine(x, from.Y, y);
  } else {
    SlantedLine(from.X, from.Y, x, y);
  }
}

void TCanvas::HorizontalLine(int x0, int y, int x1) {
  if (y < 0 || y >= bitmap_.Height() || x0 == x1) return;
  const int step = x1 > x0 ? 1 : -1;
  std::int64_t begin = 0;
  std::int64_t end = 0;
  ClipSteps(x0, step, bitmap_.Width(), std::abs(std::int64_t(x1) - x0), begin, end);
  TColor* row = bitmap_.Row(y);
  const bool paintGaps = Brush.Style == bsSolid;
  ForEachRun(PatternOf(Pen.Style), begin, end, [&](std::int64_t first, std::int64_t last, bool ink) {
    if (!ink && !paintGaps) return;
    const std::int64_t a = x0 + step * first;
    const std::int64_t b = x0 + step * last;
    std::fill(row + std::min(a, b), row + std::max(a, b) + 1, ink ? Pen.Color : Brush.Color);
  });
}

void TCanvas::VerticalLine(int x, int y0, int y1) {
  if (x < 0 || x >= bitmap_.Width() || y0 == y1) return;
  const int step = y1 > y0 ? 1 : -1;
  std::int64_t begin = 0;
  std::int64_t end = 0;
  ClipSteps(y0, step, bitmap_.Height(), std::abs(std::int64_t(y1) - y0), begin, end);
  const bool paintGaps = Brush.Style == bsSolid;
  ForEachRun(PatternOf(Pen.Style), begin, end, [&](std::int64_t first, std::int64_t last, bool ink) {
    if (!ink && !paintGaps) return;
    const TColor color = ink ? Pen.Color : Brush.Color;
    for (std::int64_t i = first; i <= last; ++i) bitmap_.Row(int(y0 + step * i))[x] = color;
  });
}

// Bresenham's line: the major axis advances one pixel per step, and the minor coordinate of
// step i is the start's plus round(i * minor / major), halves rounded away from the start. The
// steps are clipped on the major axis first, so the work is bounded by the bitmap's size.
void TCanvas::SlantedLine(int x0, int y0, int x1, int y1) {
  const std::int64_t dx = std::int64_t(x1) - x0;
  const std::int64_t dy = std::int64_t(y1) - y0;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const std::int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
  const std::int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);
  const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
  const std::int64_t majorStart = xMajor ? x0 : y0;
  const std::int64_t minorStart = xMajor ? y0 : x0;
  const std::int64_t majorLimit = xMajor ? bitmap_.Width() : bitmap_.Height();
  const std::int64_t minorLimit = xMajor ? bitmap_.Height() : bitmap_.Width();

  std::int64_t begin = 0;
  std::int64_t end = 0;
  ClipSteps(majorStart, majorStep, majorLimit, major, begin, end);
  if (begin >= end) return;

  const std::int64_t denominator = 2 * major;
  const Int128 numerator = Int128(2) * begin * minor + major;
  std::int64_t offset = std::int64_t(numerator / denominator);
  std::int64_t remainder = std::int64_t(numerator % denominator);

  const bool paintGaps = Brush.Style == bsSolid;
  const Pattern pattern = PatternOf(Pen.Style);
  for (std::int64_t i = begin; i < end; ++i) {
    const bool ink = i % pattern.Period < pattern.On;
    const std::int64_t minorAt = minorStart + minorStep * offset;
    if ((ink || paintGaps) && minorAt >= 0 && minorAt < minorLimit) {
      const std::int64_t majorAt = majorStart + majorStep * i;
      const int px = int(xMajor ? majorAt : minorAt);
      const int py = int(xMajor ? minorAt : majorAt);
      bitmap_.Row(py)[px] = ink ? Pen.Color : Brush.Color;
    }
    remainder += 2 * minor;
    if (remainder >= denominator) {
      remainder -= denominator;
      ++offset;
    }
  }
}

TSize TCanvas::TextExtent(std::string_view text) const {
  TSize size{0, FontCellHeight};
  ForEachGlyph(text, [&](const TGlyph& glyph) { size.cx += glyph.Advance; });
  return size;
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  const TSize extent = TextExtent(text);
  FillRect(x, y, int(std::min<std::int64_t>(std::int64_t(x) + extent.cx, bitmap_.Width())),
           int(std::min<std::int64_t>(std::int64_t(y) + extent.cy, bitmap_.Height())));
  std::int64_t left = x;
  ForEachGlyph(text, [&](const TGlyph& glyph) {
    for (int row = 0; row < FontCellHeight; ++row) {
      const std::int64_t py = std::int64_t(y) + row;
      if (glyph.Rows[row] == 0 || py < 0 || py >= bitmap_.Height()) continue;
      TColor* pixels = bitmap_.Row(int(py));
      for (int column = 0; column < glyph.Advance; ++column) {
        const std::int64_t px = left + column;
        if ((glyph.Rows[row] >> column & 1) && px >= 0 && px < bitmap_.Width()) {
          pixels[px] = Font.Color;
        }
      }
    }
    left += glyph.Advance;
  });
  penPos_ = {int(std::min<std::int64_t>(std::int64_t(x) + extent.cx, INT32_MAX)), y};
}

}  // namespace platform::graphics
