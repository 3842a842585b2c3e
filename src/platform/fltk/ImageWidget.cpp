#include "platform/fltk/ImageWidget.h"

#include <FL/fl_draw.H>

#include "platform/fltk/LayerComposite.h"

namespace platform::fltk {

void ImageWidget::SetPicture(const TBitmap* picture, bool transparent) {
  picture_ = picture;
  transparent_ = transparent;
  if (parent()) parent()->redraw();
}

bool HasImageChildren(const Fl_Group& group) {
  for (int i = 0; i < group.children(); ++i)
    if (dynamic_cast<const ImageWidget*>(group.child(i))) return true;
  return false;
}

void PaintImageLayers(const Fl_Group& group, int x, int y, int w, int h, TColor background) {
  std::vector<ImageLayer> layers;
  for (int i = 0; i < group.children(); ++i) {
    const auto* image = dynamic_cast<const ImageWidget*>(group.child(i));
    if (image && image->visible() && image->Picture())
      layers.push_back({image->Picture(), image->x(), image->y(), image->w(), image->h(), image->Transparent()});
  }
  const auto rgb = CompositeLayers(layers, x, y, w, h, background);
  if (!rgb.empty()) fl_draw_image(rgb.data(), x, y, w, h, 3, 0);
}

}  // namespace platform::fltk
