#pragma once

#include <string>

namespace platform::fltk {

// An open dialog's filter written the old platform's way, "Description|pattern|..." with
// patterns separated by ';', as FLTK's chooser wants it: "Description\tpattern\n...".
// A description ending in "(pattern)" loses that part, since FLTK's chooser shows the
// pattern beside the description itself; several patterns become "{p1,p2}".
std::string ToFltkFilter(const std::string& filter);

}  // namespace platform::fltk
