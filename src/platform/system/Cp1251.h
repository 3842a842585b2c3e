#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::system {

// Windows-1251 (Cyrillic) <-> Unicode. Every byte decodes: the one byte the code page leaves
// unassigned, 0x98, decodes to the control character U+0098 (as Windows itself maps it) and
// encodes back to 0x98, so any byte string survives a decode and encode unchanged.

char32_t Cp1251ToCodePoint(std::uint8_t byte);

// The Windows-1251 byte of codePoint, or -1 when the code page cannot hold it.
int CodePointToCp1251(char32_t codePoint);

bool CanEncodeCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::span<const std::uint8_t> bytes);

struct Cp1251Encoding {
  bool Ok = false;
  std::vector<std::uint8_t> Bytes;  // the whole text when Ok
  char32_t Unencodable = 0;         // when not Ok: the first character that cannot be held
                                    // (U+FFFD for malformed UTF-8)
};

Cp1251Encoding Utf8ToCp1251(std::string_view text);

}  // namespace platform::system
