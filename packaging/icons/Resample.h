#pragma once

#include "platform/graphics/Bitmap.h"

namespace dgr {

using platform::graphics::TBitmap;

// Scales a picture to width x height by area averaging: each new pixel takes the mean colour of
// the source area it covers, weighted by how much of each source pixel lies in it. Whole-number
// enlargements therefore repeat each pixel exactly, and reductions keep thin lines as blends
// instead of dropping them.
TBitmap Resample(const TBitmap& source, int width, int height);

// The program's window icon at size x size pixels.
TBitmap ProgramIcon(int size);

}  // namespace dgr
