#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/system/DateTime.h"
#include "platform/system/NumberFormat.h"

using platform::system::FormatDateTime;
using platform::system::FormatFixed;

namespace {

constexpr const char* Pattern = "dd.mm.yy  hh:nn:ss";

TEST(FormatDateTime, DayCountAndTimeOfDay) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // 13:37:05 on 30.12.1899 held as the nearest double, which lies just below the whole second.
  const double afternoon = (13 * 3600 + 37 * 60 + 5) / 86400.0;
  struct Case {
    double value;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{0.0, "30.12.99  00:00:00"},
                                         {1.5, "31.12.99  12:00:00"},
                                         {afternoon, "30.12.99  13:37:05"},
                                         {45000 + afternoon, "15.03.23  13:37:05"},
                                         {std::nextafter(45000 + afternoon, 0.0), "15.03.23  13:37:05"},
                                         {0.9999999999, "31.12.99  00:00:00"},
                                         {-1.25, "29.12.99  06:00:00"},
                                         {-0.5, "30.12.99  12:00:00"},
                                         {36526.0, "01.01.00  00:00:00"},
                                         {-693593.0, "01.01.01  00:00:00"},
                                         {2958465.5, "31.12.99  12:00:00"},
                                         {-693594.0, ""},
                                         {2958466.0, ""},
                                         {1e300, ""},
                                         {nan, ""},
                                         {inf, ""},
                                         {-inf, ""}}) {
    EXPECT_EQ(FormatDateTime(Pattern, c.value), c.text) << c.value;
  }
}

TEST(FormatDateTime, PatternLetters) {
  EXPECT_EQ(FormatDateTime("d.m.yyyy h:n:s", 45000.25 + 5.0 / 86400), "15.3.2023 6:0:5");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd 'at' hh", 45000.75), "2023-03-15 at 18");
}

TEST(FormatFixed, RoundsTheExactBinaryValueHalfAwayFromZero) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{1.125, 2, "1.13"},
                                         {0.0625, 3, "0.063"},
                                         {-2.375, 2, "-2.38"},
                                         {1.005, 2, "1.00"},
                                         {2.5, 0, "3"},
                                         {0.05, 1, "0.1"},
                                         {1236.0, 1, "1236.0"},
                                         {-1.5, 1, "-1.5"},
                                         {12.5, 2, "12.50"},
                                         {3.1415927410125732, 3, "3.142"},
                                         {1.0, 3, "1.000"},
                                         {0.0, 3, "0.000"},
                                         {-0.0, 1, "0.0"},
                                         {-0.04, 1, "0.0"},
                                         {-0.05, 1, "-0.1"},
                                         {0.0005, 3, "0.001"},
                                         {std::nextafter(0.0005, 0.0), 3, "0.000"},
                                         {5e-324, 3, "0.000"},
                                         {9007199254740993.0, 1, "9007199254740992.0"},
                                         {1e20, 2, "100000000000000000000.00"},
                                         {-123456.7891, 3, "-123456.789"},
                                         {std::numeric_limits<double>::quiet_NaN(), 3, "NAN"},
                                         {std::numeric_limits<double>::infinity(), 3, "INF"},
                                         {-std::numeric_limits<double>::infinity(), 1, "-INF"}}) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
  }
  EXPECT_THROW(FormatFixed(1.0, 4), std::invalid_argument);
}

}  // namespace
