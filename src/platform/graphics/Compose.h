#pragma once

#include "platform/graphics/Bitmap.h"

namespace platform::graphics {

// Colour that a transparent picture leaves see-through: that of its bottom-left pixel.
TColor TransparentColorOf(const TBitmap& picture);

// Copies picture onto target with its top-left corner at (left, top), clipped to target.
void DrawOpaque(TBitmap& target, int left, int top, const TBitmap& picture);

// Like DrawOpaque, but every pixel of the picture's transparent colour leaves the target's
// pixel as it was, so the layers below show through.
void DrawTransparent(TBitmap& target, int left, int top, const TBitmap& picture);

}  // namespace platform::graphics
