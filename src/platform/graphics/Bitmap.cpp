#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <utility>

#include "platform/graphics/Canvas.h"

namespace platform::graphics {

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_) {}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)) {
  other.pixels_.clear();
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
  }
  return *this;
}

// The canvas stays with the object it draws on; only the pixels move.
TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this != &other) {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    other.pixels_.clear();
  }
  return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (width == width_ || height_ == 0 || width_ == 0) {
    // Rows keep their place: the vector only grows or shrinks at the end.
    if (width != width_) pixels_.clear();
    pixels_.resize(std::size_t(width) * std::size_t(height), clWhite);
  } else {
    std::vector<TColor> resized(std::size_t(width) * std::size_t(height), clWhite);
    const int keepWidth = std::min(width, width_);
    const int keepHeight = std::min(height, height_);
    for (int y = 0; y < keepHeight; ++y) {
      const TColor* from = Row(y);
      std::copy(from, from + keepWidth, resized.data() + std::size_t(y) * std::size_t(width));
    }
    pixels_ = std::move(resized);
  }
  width_ = width;
  height_ = height;
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(*this);
  return *canvas_;
}

}  // namespace platform::graphics
