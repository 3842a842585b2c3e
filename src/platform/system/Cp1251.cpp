#include "platform/system/Cp1251.h"

#include "platform/system/Utf8.h"

namespace platform::system {

namespace {

// Code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order.
constexpr char16_t UpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

}  // namespace

char32_t Cp1251ToCodePoint(std::uint8_t byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return UpperHalf[byte - 0x80];
}

int CodePointToCp1251(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  if (codePoint >= 0x0410 && codePoint <= 0x044F) return static_cast<int>(codePoint - 0x0410 + 0xC0);
  for (int i = 0; i < 64; ++i) {
    if (UpperHalf[i] == codePoint) return 0x80 + i;
  }
  return -1;
}

bool CanEncodeCp1251(char32_t codePoint) { return CodePointToCp1251(codePoint) >= 0; }

std::string Cp1251ToUtf8(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t byte : bytes) AppendUtf8(text, Cp1251ToCodePoint(byte));
  return text;
}

Cp1251Encoding Utf8ToCp1251(std::string_view text) {
  Cp1251Encoding result;
  result.Bytes.reserve(text.size());
  std::size_t index = 0;
  while (index < text.size()) {
    char32_t codePoint = 0;
    if (!NextCodePoint(text, index, codePoint)) {
      result.Bytes.clear();
      result.Unencodable = 0xFFFD;
      return result;
    }
    int byte = CodePointToCp1251(codePoint);
    if (byte < 0) {
      result.Bytes.clear();
      result.Unencodable = codePoint;
      return result;
    }
    result.Bytes.push_back(static_cast<std::uint8_t>(byte));
  }
  result.Ok = true;
  return result;
}

}  // namespace platform::system
