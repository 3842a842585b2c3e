#pragma once

#include <FL/Enumerations.H>

#include <string>

namespace platform::fltk {

// Text inside a rectangle, clipped to it, with FLTK's alignment flags (FL_ALIGN_LEFT, ...);
// '@' has no special meaning. A disabled text is drawn etched, the classic way.
void DrawText(const std::string& text, int x, int y, int w, int h, Fl_Align align, Fl_Font font,
              Fl_Fontsize size, Fl_Color color, bool enabled = true);

// Width in pixels of a single line of text in the font.
int TextWidth(const std::string& text, Fl_Font font, Fl_Fontsize size);

}  // namespace platform::fltk
