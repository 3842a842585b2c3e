#pragma once

#include <FL/Fl_Widget.H>

#include <functional>
#include <string>

#include "platform/fltk/PressTracker.h"

namespace platform::fltk {

// A push button the classic way: two-pixel raised frame, sunken while pressed, caption
// centred. A press released over it, or Space while it has the focus, runs OnClick.
class PushButtonWidget : public Fl_Widget {
public:
  PushButtonWidget(int x, int y, int w, int h);

  void SetCaption(const std::string& caption);

  std::function<void()> OnClick;

  int handle(int event) override;

protected:
  void draw() override;

private:
  PressTracker press_;
  std::string caption_;
};

}  // namespace platform::fltk
