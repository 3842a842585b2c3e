#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::system {

// Attribute flags of a folder entry, as the old platform numbered them.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

// One found entry and the state of the enumeration that found it.
struct TSearchRec {
  std::string Name;  // the entry's name, without folder
  std::int64_t Size = 0;
  int Attr = 0;

  struct Listing;
  std::shared_ptr<Listing> Found;
};

// Starts enumerating the entries of a folder that match pattern: a folder part (up to the last
// '/', empty for the current folder; relative or absolute) and a name part with the wildcards
// '*' (any run of characters) and '?' (one character), matched without regard to ASCII letter
// case. "." and ".." are never listed. Sub-folders are listed only when attributes includes
// faDirectory, entries whose name starts with '.' only when it includes faHidden; faAnyFile (63)
// admits everything. The entries come sorted by name compared byte by byte after ASCII
// upper-casing. Gives 0 and fills record with the first entry, or a non-zero value when there is
// none or the folder cannot be read.
int FindFirst(const std::string& pattern, int attributes, TSearchRec& record);
// Moves record to the next entry: 0, or non-zero at the end.
int FindNext(TSearchRec& record);
// Releases the enumeration's state.
void FindClose(TSearchRec& record);

}  // namespace platform::system
