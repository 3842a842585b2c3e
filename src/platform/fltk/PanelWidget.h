#pragma once

#include <FL/Fl_Group.H>

#include <string>

#include "platform/graphics/Color.h"

namespace platform::fltk {

using platform::graphics::TColor;
using platform::graphics::clBtnFace;

enum class BevelStyle { Off, Raised, Lowered };

// A panel the classic way: outer bevel, a border of the face colour `borderWidth` wide, inner
// bevel, face, and a centred caption. Its children keep their own geometry when it moves or
// changes size (the model lays them out) and are clipped to it; image children are drawn as
// one composite clipped to the client area inside the bevels and the border.
class PanelWidget : public Fl_Group {
public:
  PanelWidget(int x, int y, int w, int h);

  void SetBevels(BevelStyle outer, BevelStyle inner, int bevelWidth, int borderWidth);
  void SetFace(TColor face);
  TColor Face() const { return face_; }
  void SetCaption(const std::string& caption, Fl_Align align);

  // Inset of the client area from the panel's edge.
  int ClientInset() const;

protected:
  void draw() override;

private:
  BevelStyle outer_ = BevelStyle::Raised;
  BevelStyle inner_ = BevelStyle::Off;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TColor face_ = clBtnFace;
  std::string caption_;
  Fl_Align captionAlign_ = FL_ALIGN_CENTER;
};

// Draws the bevel of `style`, `width` pixels wide, inside the rectangle and shrinks it accordingly.
void DrawBevel(BevelStyle style, int width, int& x, int& y, int& w, int& h);

}  // namespace platform::fltk
