#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include "platform/graphics/Bitmap.h"

namespace platform::fltk {

using platform::graphics::TBitmap;
using platform::graphics::TColor;

// One picture layer. It draws nothing itself: the group it lies in composites all its image
// children at once (PaintImageLayers), so that transparent layers show the ones below. It
// takes no mouse event, so the form passes them to the model.
class ImageWidget : public Fl_Widget {
public:
  ImageWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

  void SetPicture(const TBitmap* picture, bool transparent);
  const TBitmap* Picture() const { return picture_; }
  bool Transparent() const { return transparent_; }

protected:
  void draw() override {}

private:
  const TBitmap* picture_ = nullptr;
  bool transparent_ = false;
};

bool HasImageChildren(const Fl_Group& group);

// Composites the visible ImageWidget children of `group`, bottom to top, over `background`,
// into the window rectangle (x, y, w, h), which also clips them.
void PaintImageLayers(const Fl_Group& group, int x, int y, int w, int h, TColor background);

}  // namespace platform::fltk
