#pragma once

#include <FL/Enumerations.H>

#include "platform/graphics/Color.h"

namespace platform::fltk {

using platform::graphics::BlueOf;
using platform::graphics::GreenOf;
using platform::graphics::RedOf;
using platform::graphics::TColor;

// The FLTK colour of a TColor ($00BBGGRR), exact on a true-colour display.
inline Fl_Color ToFlColor(TColor color) { return fl_rgb_color(RedOf(color), GreenOf(color), BlueOf(color)); }

}  // namespace platform::fltk
