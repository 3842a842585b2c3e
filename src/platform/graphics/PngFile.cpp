#include "platform/graphics/PngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace platform::graphics {

namespace {

// libpng reports errors by longjmp, so this function holds nothing that needs a destructor.
bool WriteRows(std::FILE* file, const TBitmap& bitmap, png_byte* row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, png_uint_32(bitmap.Width()), png_uint_32(bitmap.Height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const TColor* pixels = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      row[3 * x] = RedOf(pixels[x]);
      row[3 * x + 1] = GreenOf(pixels[x]);
      row[3 * x + 2] = BlueOf(pixels[x]);
    }
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePng(const std::string& path, const TBitmap& bitmap) {
  if (bitmap.Width() == 0 || bitmap.Height() == 0) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  std::vector<png_byte> row(std::size_t(bitmap.Width()) * 3);
  bool written = WriteRows(file, bitmap, row.data());
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(path.c_str());
  return written;
}

bool ReadPng(const std::string& path, TBitmap& bitmap) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  TBitmap result(int(image.width), int(image.height));
  for (int y = 0; y < result.Height(); ++y) {
    const png_byte* from = pixels.data() + std::size_t(y) * image.width * 3;
    TColor* to = result.Row(y);
    for (int x = 0; x < result.Width(); ++x) to[x] = RGBColor(from[3 * x], from[3 * x + 1], from[3 * x + 2]);
  }
  bitmap = std::move(result);
  return true;
}

}  // namespace platform::graphics
