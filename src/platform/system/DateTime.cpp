#include "platform/system/DateTime.h"

#include <cmath>
#include <cstdint>

#include <fmt/format.h>

namespace platform::system {

namespace {

struct CivilDate {
  std::int64_t Year;
  unsigned Month;
  unsigned Day;
};

// Days counted from 1970-01-01 to a proleptic Gregorian date.
CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400;
  unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  return {month <= 2 ? year + 1 : year, month, day};
}

constexpr std::int64_t DaysFrom1899To1970 = 25569;
constexpr std::int64_t MillisecondsPerDay = 86400000;

}  // namespace

std::string FormatDateTime(std::string_view pattern, double value) {
  // Far outside the years 1 to 9999, so the conversions below cannot overflow.
  if (!std::isfinite(value) || std::fabs(value) > 1e7) return "";
  double wholePart = std::trunc(value);
  auto days = static_cast<std::int64_t>(wholePart);
  auto milliseconds = static_cast<std::int64_t>(std::llround(std::fabs(value - wholePart) * MillisecondsPerDay));
  if (milliseconds >= MillisecondsPerDay) {
    milliseconds -= MillisecondsPerDay;
    ++days;
  }
  CivilDate date = CivilFromDays(days - DaysFrom1899To1970);
  if (date.Year < 1 || date.Year > 9999) return "";
  std::int64_t seconds = milliseconds / 1000;
  std::int64_t hour = seconds / 3600;
  std::int64_t minute = seconds / 60 % 60;
  std::int64_t second = seconds % 60;

  std::string text;
  std::size_t i = 0;
  while (i < pattern.size()) {
    char c = pattern[i];
    char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    std::size_t run = 1;
    while (i + run < pattern.size() && (pattern[i + run] | 0x20) == lower && lower >= 'a' && lower <= 'z') ++run;
    auto number = [&](std::int64_t v) { text += run >= 2 ? fmt::format("{:02}", v) : fmt::format("{}", v); };
    switch (lower) {
      case 'd': number(date.Day); break;
      case 'm': number(date.Month); break;
      case 'h': number(hour); break;
      case 'n': number(minute); break;
      case 's': number(second); break;
      case 'y':
        text += run >= 3 ? fmt::format("{:04}", date.Year) : fmt::format("{:02}", date.Year % 100);
        break;
      case '"':
      case '\'': {
        std::size_t close = pattern.find(c, i + 1);
        if (close == std::string_view::npos) close = pattern.size();
        text += pattern.substr(i + 1, close - i - 1);
        run = close + 1 - i;
        if (i + run > pattern.size()) run = pattern.size() - i;
        break;
      }
      default:
        text.append(run, c);
        break;
    }
    i += run;
  }
  return text;
}

}  // namespace platform::system
