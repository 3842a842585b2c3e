#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dgr {

// The comment area as text for people (the command-line tool): the Windows-1251 bytes up to the
// first zero byte, in UTF-8, with each CR LF turned into "\n". A lone CR or LF is kept as it is.
std::string DecodeComment(std::span<const std::uint8_t> area);

// The comment area as the comment editor holds it: the Windows-1251 bytes up to the first zero
// byte, in UTF-8, with the line breaks as the file has them (CR LF when the viewer wrote it).
std::string EditorComment(std::span<const std::uint8_t> area);

struct EncodedComment {
  bool Ok = false;
  std::vector<std::uint8_t> Bytes;  // when Ok: the bytes to write into the comment area
  char32_t Unencodable = 0;         // when not Ok: the first character Windows-1251 cannot hold
};

// The editor's text as saving writes it: every line break ("\n" or "\r\n") as CR LF, in
// Windows-1251, with every byte of value 32 or less removed from both ends. Fails, naming the
// character, when the text holds one that Windows-1251 cannot hold.
EncodedComment EncodeCommentForSave(std::string_view text);

}  // namespace dgr
