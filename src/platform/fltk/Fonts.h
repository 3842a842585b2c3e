#pragma once

#include <FL/Enumerations.H>

namespace platform::fltk {

// The sans face with Cyrillic that every control uses: DejaVu Sans, regular and bold.
// Sizes: a font given as a character height of N pixels (without internal leading) is drawn
// at FLTK size N, which for Xft is the em height in pixels; DejaVu Sans at that size comes
// within a few pixels of the designed text widths.
void RegisterFonts();
Fl_Font SansFont(bool bold);
inline Fl_Fontsize FontSizeForHeight(int pixelHeight) { return Fl_Fontsize(pixelHeight > 0 ? pixelHeight : 11); }

}  // namespace platform::fltk
