#pragma once

#include <string>

namespace platform::system {

// Fixed-point text of value with 0 to 3 decimals, as "%.1f" and its kin print it, but
// independent of the locale: "." as decimal point; the last decimal rounded half away from zero
// on the exact binary value (1.125 gives "1.13", while 1.005, held as 1.00499999..., gives
// "1.00"); "-" only when the rounded text is not zero (-0.04 with one decimal gives "0.0");
// "NAN", "INF" and "-INF" for values that are not finite. Throws std::invalid_argument for
// other decimal counts.
std::string FormatFixed(double value, int decimals);

}  // namespace platform::system
