#pragma once

#include <string>
#include <string_view>

namespace platform::system {

// Text such as a file name, made safe to print and to put into JSON: each byte that is not part
// of valid UTF-8 becomes "\xNN", each control character "\xNN" (C0 and DEL) or "\uNNNN" (C1), so
// that neither a terminal nor a JSON writer sees them; everything else stays as it is.
std::string EscapedForDisplay(std::string_view text);

}  // namespace platform::system
