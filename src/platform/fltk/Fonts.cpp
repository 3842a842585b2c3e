#include "platform/fltk/Fonts.h"

#include <FL/Fl.H>

namespace platform::fltk {

namespace {
constexpr Fl_Font RegularFont = FL_FREE_FONT;
constexpr Fl_Font BoldFont = FL_FREE_FONT + 1;
}

void RegisterFonts() {
  Fl::set_font(RegularFont, " DejaVu Sans");
  Fl::set_font(BoldFont, "BDejaVu Sans");
}

Fl_Font SansFont(bool bold) { return bold ? BoldFont : RegularFont; }

}  // namespace platform::fltk
