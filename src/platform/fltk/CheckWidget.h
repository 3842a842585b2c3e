#pragma once

#include <FL/Fl_Widget.H>

#include <functional>
#include <string>

#include "platform/fltk/PressTracker.h"
#include "platform/graphics/Color.h"

namespace platform::fltk {

using platform::graphics::TColor;
using platform::graphics::clBtnFace;

// A radio button or a check box the classic way: a 13-pixel sunken circle or square with its
// dot or tick, and the caption beside it, on the right or (CaptionLeft) on the left, centred
// vertically. A press released over the widget runs OnClick; the model decides what a click
// does to the checked state.
class CheckWidget : public Fl_Widget {
public:
  enum class Kind { Radio, CheckBox };
  CheckWidget(Kind kind, int x, int y, int w, int h);

  void SetChecked(bool checked);
  void SetCaption(const std::string& caption);
  void SetCaptionLeft(bool left);
  void SetFace(TColor face);

  std::function<void()> OnClick;

  int handle(int event) override;

protected:
  void draw() override;

private:
  void DrawRadio(int left, int top) const;
  void DrawCheckBox(int left, int top) const;

  Kind kind_;
  bool checked_ = false;
  PressTracker press_;
  bool captionLeft_ = false;
  std::string caption_;
  TColor face_ = clBtnFace;
};

}  // namespace platform::fltk
