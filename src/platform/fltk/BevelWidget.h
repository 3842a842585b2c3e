#pragma once

#include <FL/Fl_Widget.H>

#include "platform/forms/Bevel.h"

namespace platform::fltk {

using platform::forms::TBevelShape;
using platform::forms::TBevelStyle;
using enum platform::forms::TBevelShape;
using enum platform::forms::TBevelStyle;

// A bevel: an etched line along one edge, a sunken or raised box, or an etched frame.
class BevelWidget : public Fl_Widget {
public:
  BevelWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

  void SetShape(TBevelShape shape, TBevelStyle style);

protected:
  void draw() override;

private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

}  // namespace platform::fltk
