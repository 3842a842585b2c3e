#include "platform/system/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace platform::system {

namespace {

constexpr std::uint64_t PowersOfTen[] = {1, 10, 100, 1000};

}  // namespace

std::string FormatFixed(double value, int decimals) {
  if (decimals < 0 || decimals > 3) throw std::invalid_argument("FormatFixed: 0 to 3 decimals");
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  bool negative = std::signbit(value);
  double magnitude = std::fabs(value);
  std::string zeros(static_cast<std::size_t>(decimals), '0');
  std::string dot = decimals > 0 ? "." : "";

  // magnitude = mantissa * 2^-shift, with a 53-bit integer mantissa.
  int exponent = 0;
  double fraction = std::frexp(magnitude, &exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  int shift = 53 - exponent;
  if (shift <= 0) {
    // A whole number (2^53 or more): printing it without decimals is exact.
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", magnitude);
    return (negative ? "-" : "") + std::string(digits) + dot + zeros;
  }
  // scaled = magnitude * 10^decimals = mantissa * 10^decimals / 2^shift, rounded half away from
  // zero. mantissa * 10^decimals stays below 2^63.
  std::uint64_t numerator = mantissa * PowersOfTen[decimals];
  std::uint64_t scaled = 0;
  if (shift < 64) {
    std::uint64_t remainder = numerator & ((std::uint64_t{1} << shift) - 1);
    scaled = (numerator >> shift) + (remainder >= (std::uint64_t{1} << (shift - 1)) ? 1 : 0);
  }
  std::uint64_t whole = scaled / PowersOfTen[decimals];
  std::uint64_t part = scaled % PowersOfTen[decimals];
  std::string text = std::to_string(whole);
  if (decimals > 0) {
    std::string partText = std::to_string(part);
    text += "." + std::string(static_cast<std::size_t>(decimals) - partText.size(), '0') + partText;
  }
  return (negative && scaled != 0 ? "-" : "") + text;
}

}  // namespace platform::system
