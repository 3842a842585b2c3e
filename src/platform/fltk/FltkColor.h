#pragma once

#include <FL/Enumerations.H>

#include "platform/graphics/Color.h"

// The FLTK colour of a TColor ($00BBGGRR), exact on a true-colour display.
inline Fl_Color ToFlColor(TColor color) { return fl_rgb_color(RedOf(color), GreenOf(color), BlueOf(color)); }
