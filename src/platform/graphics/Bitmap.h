#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Color.h"

namespace platform::graphics {

class TCanvas;

// An off-screen picture of 32-bit pixels, each a TColor. New pixels are white. Copies and moves
// carry the pixels; the canvas belongs to the object it draws on and is not carried.
class TBitmap {
public:
  TBitmap();
  TBitmap(int width, int height);
  TBitmap(const TBitmap& other);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(const TBitmap& other);
  TBitmap& operator=(TBitmap&& other) noexcept;
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Keeps the pixels of the overlapping area.
  void SetSize(int width, int height);

  TColor Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, TColor color) { pixels_[Index(x, y)] = color; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  const TColor* Row(int y) const { return pixels_.data() + Index(0, y); }
  TColor* Row(int y) { return pixels_.data() + Index(0, y); }

  TCanvas& Canvas();

private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }

  int width_ = 0;
  int height_ = 0;
  std::vector<TColor> pixels_;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace platform::graphics
