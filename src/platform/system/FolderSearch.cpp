#include "platform/system/FolderSearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>

#include "platform/system/Text.h"

namespace platform::system {

struct TSearchRec::Listing {
  std::vector<TSearchRec> entries;
  std::size_t next = 0;
};

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// Matches name against a pattern with '*' and '?', ignoring ASCII letter case.
bool Matches(std::string_view pattern, std::string_view name) {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t starAt = std::string_view::npos;
  std::size_t resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Upper(pattern[p]) == Upper(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

int AttributesOf(const std::string& name, const struct stat& info) {
  int attributes = 0;
  if (S_ISDIR(info.st_mode)) {
    attributes |= faDirectory;
  } else {
    attributes |= faArchive;
  }
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    attributes |= faReadOnly;
  }
  if (!name.empty() && name[0] == '.') {
    attributes |= faHidden;
  }
  return attributes;
}

bool Admitted(int entryAttributes, int wanted) {
  if ((entryAttributes & faDirectory) != 0 && (wanted & faDirectory) == 0) {
    return false;
  }
  return (entryAttributes & faHidden) == 0 || (wanted & faHidden) != 0;
}

void Deliver(TSearchRec& record) {
  auto& listing = *record.Found;
  const TSearchRec& entry = listing.entries[listing.next++];
  record.Name = entry.Name;
  record.Size = entry.Size;
  record.Attr = entry.Attr;
}

}  // namespace

int FindFirst(const std::string& pattern, int attributes, TSearchRec& record) {
  FindClose(record);
  const std::size_t slash = pattern.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
  const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);

  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) {
    return -1;
  }
  // Each entry with its upper-cased name, the sort key, worked out once.
  std::vector<std::pair<std::string, TSearchRec>> found;
  while (const dirent* item = readdir(dir)) {
    const std::string name = item->d_name;
    if (name == "." || name == ".." || !Matches(namePattern, name)) {
      continue;
    }
    struct stat info {};
    if (fstatat(dirfd(dir), item->d_name, &info, 0) != 0 && fstatat(dirfd(dir), item->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
      continue;
    }
    TSearchRec entry;
    entry.Name = name;
    entry.Attr = AttributesOf(name, info);
    entry.Size = S_ISDIR(info.st_mode) ? 0 : std::int64_t(info.st_size);
    if (Admitted(entry.Attr, attributes)) {
      found.emplace_back(UpperCase(name), std::move(entry));
    }
  }
  closedir(dir);
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : a.second.Name < b.second.Name;
  });
  auto listing = std::make_shared<TSearchRec::Listing>();
  listing->entries.reserve(found.size());
  for (auto& [key, entry] : found) listing->entries.push_back(std::move(entry));
  if (listing->entries.empty()) {
    return -1;
  }
  record.Found = std::move(listing);
  Deliver(record);
  return 0;
}

int FindNext(TSearchRec& record) {
  if (record.Found == nullptr || record.Found->next >= record.Found->entries.size()) {
    return -1;
  }
  Deliver(record);
  return 0;
}

void FindClose(TSearchRec& record) { record.Found.reset(); }

}  // namespace platform::system
