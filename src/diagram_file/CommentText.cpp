#include "diagram_file/CommentText.h"

#include <algorithm>

#include "platform/system/Cp1251.h"

namespace dgr {

using platform::system::Cp1251Encoding;
using platform::system::Cp1251ToUtf8;
using platform::system::Utf8ToCp1251;

std::string DecodeComment(std::span<const std::uint8_t> area) {
  auto end = std::find(area.begin(), area.end(), std::uint8_t{0});
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(end - area.begin()));
  for (auto it = area.begin(); it != end; ++it) {
    if (*it == '\r' && it + 1 != end && *(it + 1) == '\n') continue;
    bytes.push_back(*it);
  }
  return Cp1251ToUtf8(bytes);
}

std::string EditorComment(std::span<const std::uint8_t> area) {
  const auto end = std::find(area.begin(), area.end(), std::uint8_t{0});
  return Cp1251ToUtf8(std::vector<std::uint8_t>(area.begin(), end));
}

EncodedComment EncodeCommentForSave(std::string_view text) {
  std::string withBreaks;
  withBreaks.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) withBreaks += '\r';
    withBreaks += text[i];
  }
  Cp1251Encoding encoding = Utf8ToCp1251(withBreaks);
  EncodedComment result;
  if (!encoding.Ok) {
    result.Unencodable = encoding.Unencodable;
    return result;
  }
  auto isBlank = [](std::uint8_t byte) { return byte <= 32; };
  auto first = std::find_if_not(encoding.Bytes.begin(), encoding.Bytes.end(), isBlank);
  auto last = std::find_if_not(encoding.Bytes.rbegin(), encoding.Bytes.rend(), isBlank).base();
  if (first < last) result.Bytes.assign(first, last);
  result.Ok = true;
  return result;
}

}  // namespace dgr
