#pragma once

#include <string>
#include <string_view>

namespace platform::system {

// Formats a date-time value of the old platform's convention: the whole part counts days from
// 30.12.1899, the fraction is the time of day. A negative value takes its date from the whole
// part and its time from the absolute fraction (-1.25 is 29.12.1899 06:00:00). The time of day is
// rounded to the millisecond first, so 24:00:00 rolls over to the next day.
//
// Pattern letters: d, dd (day), m, mm (month), yy, yyyy (year), h, hh (hour), n, nn (minute),
// s, ss (second); ':' is the time separator ":"; text in double or single quotes and every
// other character are copied. Gives "" for a value that is not finite or lies outside the years
// 1 to 9999.
std::string FormatDateTime(std::string_view pattern, double value);

}  // namespace platform::system
