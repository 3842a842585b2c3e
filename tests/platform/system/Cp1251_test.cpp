#include "platform/system/Cp1251.h"

#include <gtest/gtest.h>

#include "platform/system/Utf8.h"

using platform::system::AppendUtf8;
using platform::system::CanEncodeCp1251;
using platform::system::CodePointToCp1251;
using platform::system::Cp1251Encoding;
using platform::system::Cp1251ToCodePoint;
using platform::system::Cp1251ToUtf8;
using platform::system::NextCodePoint;
using platform::system::Utf8ToCp1251;

namespace {

TEST(Cp1251, EveryByteSurvivesDecodeAndEncode) {
  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  std::string text = Cp1251ToUtf8(all);
  Cp1251Encoding back = Utf8ToCp1251(text);
  ASSERT_TRUE(back.Ok);
  EXPECT_EQ(back.Bytes, all);
  for (int i = 0; i < 256; ++i) {
    char32_t codePoint = Cp1251ToCodePoint(static_cast<std::uint8_t>(i));
    EXPECT_TRUE(CanEncodeCp1251(codePoint)) << i;
    EXPECT_EQ(CodePointToCp1251(codePoint), i);
  }
}

TEST(Cp1251, KnownCharacters) {
  struct Case {
    std::uint8_t byte;
    char32_t codePoint;
  };
  for (const Case& c : std::vector<Case>{{0x41, U'A'},
                                         {0xC0, U'А'},
                                         {0xFF, U'я'},
                                         {0xA8, U'Ё'},
                                         {0xB8, U'ё'},
                                         {0xB9, U'№'},
                                         {0x88, U'€'},
                                         {0x96, U'–'},
                                         {0xA0, 0x00A0},
                                         {0x98, 0x0098}}) {
    EXPECT_EQ(Cp1251ToCodePoint(c.byte), c.codePoint) << int{c.byte};
  }
  std::uint8_t bytes[] = {0xC4, 0xE0, 0xF2, 0xF7, 0xE8, 0xEA, 0x20, 0xB9, 0x31};
  EXPECT_EQ(Cp1251ToUtf8(bytes), "Датчик №1");
}

TEST(Cp1251, EncodingNamesTheFirstCharacterItCannotHold) {
  struct Case {
    std::string text;
    char32_t unencodable;
  };
  for (const Case& c : std::vector<Case>{{"ok Ω ẞ", U'Ω'}, {"日本", U'日'}, {"a\xFF", 0xFFFD}, {"\xD0", 0xFFFD}, {"\xED\xA0\x80", 0xFFFD}, {"\xC0\x80", 0xFFFD}, {"😀", U'😀'}}) {
    Cp1251Encoding result = Utf8ToCp1251(c.text);
    EXPECT_FALSE(result.Ok) << c.text;
    EXPECT_TRUE(result.Bytes.empty());
    EXPECT_EQ(result.Unencodable, c.unencodable) << c.text;
  }
  EXPECT_FALSE(CanEncodeCp1251(U'Ω'));
  EXPECT_TRUE(CanEncodeCp1251(U'ї'));
}

TEST(Utf8, DecodesWhatItEncodes) {
  for (char32_t codePoint : {char32_t{0}, char32_t{0x7F}, char32_t{0x80}, char32_t{0x7FF}, char32_t{0x800}, char32_t{0xFFFF}, char32_t{0x10000}, char32_t{0x10FFFF}}) {
    std::string text;
    AppendUtf8(text, codePoint);
    std::size_t index = 0;
    char32_t decoded = 0;
    EXPECT_TRUE(NextCodePoint(text, index, decoded));
    EXPECT_EQ(decoded, codePoint);
    EXPECT_EQ(index, text.size());
  }
}

}  // namespace
