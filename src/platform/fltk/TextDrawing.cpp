#include "platform/fltk/TextDrawing.h"

#include <FL/fl_draw.H>

#include "platform/fltk/FltkColor.h"

namespace platform::fltk {

using platform::graphics::clBtnHighlight;
using platform::graphics::clBtnShadow;

void DrawText(const std::string& text, int x, int y, int w, int h, Fl_Align align, Fl_Font font,
              Fl_Fontsize size, Fl_Color color, bool enabled) {
  if (text.empty() || w <= 0 || h <= 0) return;
  fl_push_clip(x, y, w, h);
  fl_font(font, size);
  const Fl_Align flags = align | FL_ALIGN_INSIDE | FL_ALIGN_CLIP;
  if (enabled) {
    fl_color(color);
    fl_draw(text.c_str(), x, y, w, h, flags, nullptr, 0);
  } else {
    fl_color(ToFlColor(clBtnHighlight));
    fl_draw(text.c_str(), x + 1, y + 1, w, h, flags, nullptr, 0);
    fl_color(ToFlColor(clBtnShadow));
    fl_draw(text.c_str(), x, y, w, h, flags, nullptr, 0);
  }
  fl_pop_clip();
}

int TextWidth(const std::string& text, Fl_Font font, Fl_Fontsize size) {
  fl_font(font, size);
  return int(fl_width(text.c_str()));
}

}  // namespace platform::fltk
