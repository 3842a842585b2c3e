#include "platform/fltk/LayerComposite.h"

#include <algorithm>

#include "platform/graphics/Compose.h"

namespace platform::fltk {

using platform::graphics::BlueOf;
using platform::graphics::GreenOf;
using platform::graphics::RedOf;
using platform::graphics::TransparentColorOf;

namespace {

void PutPixel(unsigned char* rgb, TColor color) {
  rgb[0] = RedOf(color);
  rgb[1] = GreenOf(color);
  rgb[2] = BlueOf(color);
}

void PaintLayer(const ImageLayer& layer, std::vector<unsigned char>& out, int x, int y, int w, int h) {
  const TBitmap& picture = *layer.picture;
  const int shownWidth = std::min(layer.width, picture.Width());
  const int shownHeight = std::min(layer.height, picture.Height());
  const int fromX = std::max(x, layer.left);
  const int toX = std::min(x + w, layer.left + shownWidth);
  const int fromY = std::max(y, layer.top);
  const int toY = std::min(y + h, layer.top + shownHeight);
  if (fromX >= toX || fromY >= toY) return;
  const TColor key = TransparentColorOf(picture);
  for (int row = fromY; row < toY; ++row) {
    const TColor* source = picture.Row(row - layer.top);
    unsigned char* target = out.data() + (std::size_t(row - y) * std::size_t(w) + std::size_t(fromX - x)) * 3;
    for (int column = fromX; column < toX; ++column, target += 3) {
      const TColor color = source[column - layer.left];
      if (!layer.transparent || color != key) PutPixel(target, color);
    }
  }
}

}

std::vector<unsigned char> CompositeLayers(const std::vector<ImageLayer>& layers, int x, int y, int w, int h,
                                           TColor background) {
  if (w <= 0 || h <= 0) return {};
  std::vector<unsigned char> out(std::size_t(w) * std::size_t(h) * 3);
  for (std::size_t i = 0; i < out.size(); i += 3) PutPixel(out.data() + i, background);
  for (const ImageLayer& layer : layers)
    if (layer.picture && layer.picture->Width() > 0 && layer.picture->Height() > 0) PaintLayer(layer, out, x, y, w, h);
  return out;
}

}  // namespace platform::fltk
