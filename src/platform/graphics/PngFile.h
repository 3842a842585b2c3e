#pragma once

#include <string>

#include "platform/graphics/Bitmap.h"

namespace platform::graphics {

// Writes the bitmap as an 8-bit RGB PNG file with its exact colours. Gives false when the
// bitmap is empty or the file cannot be written; a partly written file is removed.
bool WritePng(const std::string& path, const TBitmap& bitmap);

// Reads a PNG file into the bitmap, converting it to 8-bit RGB. Gives false, leaving the
// bitmap as it was, when the file is missing or no valid PNG.
bool ReadPng(const std::string& path, TBitmap& bitmap);

}  // namespace platform::graphics
