#pragma once

#include <FL/Fl_Widget.H>

#include <functional>
#include <string>

#include "platform/fltk/PressTracker.h"
#include "platform/graphics/Bitmap.h"

namespace platform::fltk {

using platform::graphics::TBitmap;
using platform::graphics::TColor;
using platform::graphics::clBtnFace;

// A speed button the classic way. Flat: only the face until the pointer is over it (raised
// edge) or it is down or pressed (sunken edge). Not flat: a push-button frame. A button that
// stays down shows a checkered face. The glyph (its bottom-left colour transparent) and the
// caption are centred, one pixel lower right while down. A press released over the button
// runs OnClick.
class SpeedButtonWidget : public Fl_Widget {
public:
  SpeedButtonWidget(int x, int y, int w, int h);

  void SetFlat(bool flat);
  void SetDown(bool down);
  void SetCaption(const std::string& caption);
  void SetGlyph(const TBitmap* glyph);
  void SetFace(TColor face);

  std::function<void()> OnClick;

  int handle(int event) override;

protected:
  void draw() override;

private:
  void DrawGlyph(int cx, int cy) const;

  bool flat_ = false;
  bool down_ = false;
  PressTracker press_;
  bool hovered_ = false;
  std::string caption_;
  const TBitmap* glyph_ = nullptr;
  TColor face_ = clBtnFace;
};

}  // namespace platform::fltk
