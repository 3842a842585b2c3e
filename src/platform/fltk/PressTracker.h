#pragma once

#include <FL/Fl_Widget.H>

namespace platform::fltk {

// Tracks a press of the left mouse button on a button widget as classic buttons do: pressed
// from the push, and a click when the button is released over the widget. Each change of the
// pressed state redraws the widget.
class PressTracker {
public:
  bool Pressed() const { return pressed_; }

  // On FL_PUSH: starts a press with the left button; false for another button, which the
  // widget leaves untaken.
  bool Push(Fl_Widget& widget);
  // On FL_DRAG, for widgets whose pressed look follows the pointer in and out of them.
  void Drag(Fl_Widget& widget);
  // On FL_RELEASE: ends the press; true when it is a click.
  bool Release(Fl_Widget& widget);

private:
  bool pressed_ = false;
};

}  // namespace platform::fltk
