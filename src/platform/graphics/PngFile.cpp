#include "platform/graphics/PngFile.h"

#include <png.h>

#include <vector>

#include "platform/system/FileReplacement.h"

namespace platform::graphics {

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp, so this function holds nothing that needs a destructor.
bool EncodeRows(std::vector<std::uint8_t>* out, const TBitmap& bitmap, png_byte* row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, AppendBytes, NoFlush);
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

std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap) {
  std::vector<std::uint8_t> bytes;
  if (bitmap.Width() == 0 || bitmap.Height() == 0) return bytes;
  std::vector<png_byte> row(std::size_t(bitmap.Width()) * 3);
  if (!EncodeRows(&bytes, bitmap, row.data())) bytes.clear();
  return bytes;
}

std::string WritePngFile(const std::string& path, const TBitmap& bitmap) {
  const std::vector<std::uint8_t> bytes = EncodePng(bitmap);
  if (bytes.empty()) return "the picture is empty";
  return platform::system::ReplaceFileContent(path, bytes);
}

bool WritePng(const std::string& path, const TBitmap& bitmap) { return WritePngFile(path, bitmap).empty(); }

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
