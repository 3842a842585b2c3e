#pragma once

#include <FL/Fl_Widget.H>

#include <string>

#include "platform/graphics/Color.h"

namespace platform::fltk {

using platform::graphics::TColor;
using platform::graphics::clBtnFace;

// A static text or label: filled with its colour, optionally with a one-pixel black or sunken edge,
// and its text at the top, aligned left, right or centred, in the widget's label font,
// size and colour.
class StaticTextWidget : public Fl_Widget {
public:
  StaticTextWidget(int x, int y, int w, int h);

  void SetText(const std::string& text);
  const std::string& Text() const { return text_; }
  void SetFace(TColor face);
  enum class Border { Off, Single, Sunken };
  void SetBorder(Border border);
  void SetAlignment(Fl_Align horizontal);

  // Takes the pointer only to show its tooltip; presses go on to the form.
  int handle(int event) override;

protected:
  void draw() override;

private:
  std::string text_;
  TColor face_ = clBtnFace;
  Border border_ = Border::Off;
  Fl_Align horizontal_ = FL_ALIGN_LEFT;
};

}  // namespace platform::fltk
