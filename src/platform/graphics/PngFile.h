#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

namespace platform::graphics {

// The bitmap as the bytes of an 8-bit RGB PNG file with its exact colours; empty for an empty
// bitmap.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap);

// Writes the bitmap as a PNG file by replacing the file all at once
// (platform::system::FileReplacement). Gives "" on success, else the reason.
std::string WritePngFile(const std::string& path, const TBitmap& bitmap);

// WritePngFile, giving true on success.
bool WritePng(const std::string& path, const TBitmap& bitmap);

// Reads a PNG file into the bitmap, converting it to 8-bit RGB. Gives false, leaving the
// bitmap as it was, when the file is missing or no valid PNG.
bool ReadPng(const std::string& path, TBitmap& bitmap);

}  // namespace platform::graphics
