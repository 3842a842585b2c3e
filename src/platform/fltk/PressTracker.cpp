#include "platform/fltk/PressTracker.h"

#include <FL/Fl.H>

namespace platform::fltk {

bool PressTracker::Push(Fl_Widget& widget) {
  if (Fl::event_button() != FL_LEFT_MOUSE) return false;
  pressed_ = true;
  widget.redraw();
  return true;
}

void PressTracker::Drag(Fl_Widget& widget) {
  const bool inside = Fl::event_inside(&widget) != 0;
  if (inside != pressed_) {
    pressed_ = inside;
    widget.redraw();
  }
}

bool PressTracker::Release(Fl_Widget& widget) {
  const bool click = pressed_ && Fl::event_inside(&widget);
  pressed_ = false;
  widget.redraw();
  return click;
}

}  // namespace platform::fltk
