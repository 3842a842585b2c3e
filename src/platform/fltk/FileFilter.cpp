#include "platform/fltk/FileFilter.h"

#include <vector>

namespace platform::fltk {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string FltkPattern(const std::string& patterns) {
  const auto list = Split(patterns, ';');
  if (list.size() == 1) return list.front();
  std::string joined = "{";
  for (std::size_t i = 0; i < list.size(); ++i) joined += (i ? "," : "") + list[i];
  return joined + "}";
}

std::string ShortDescription(const std::string& description, const std::string& patterns) {
  const std::string suffix = "(" + patterns + ")";
  if (description.size() > suffix.size() && description.ends_with(suffix))
    return description.substr(0, description.size() - suffix.size());
  return description;
}

}

std::string ToFltkFilter(const std::string& filter) {
  if (filter.empty()) return "";
  const auto parts = Split(filter, '|');
  std::string result;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (!result.empty()) result += '\n';
    result += ShortDescription(parts[i], parts[i + 1]) + '\t' + FltkPattern(parts[i + 1]);
  }
  return result;
}

}  // namespace platform::fltk
