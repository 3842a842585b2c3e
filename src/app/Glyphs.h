#pragma once

#include "platform/graphics/Bitmap.h"

namespace dgr {

using platform::graphics::TBitmap;

// The pictures of the diagram window, drawn by the program itself. Glyphs keep their
// bottom-left pixel in the background colour, which speed buttons show as transparent.
TBitmap OpenFileGlyph();   // 16 x 16: an opening folder
TBitmap CommentGlyph();    // 16 x 16: a note sheet with lines of text
TBitmap DiagramIcon();     // 32 x 32: a grid with three step curves

}  // namespace dgr
