#include "browse/FileList.h"

#include "platform/system/FolderSearch.h"
#include "platform/system/Paths.h"

namespace dgr {

using platform::system::ExtractFilePath;
using platform::system::FindClose;
using platform::system::FindFirst;
using platform::system::FindNext;
using platform::system::TSearchRec;
using platform::system::faAnyFile;

FolderListing ListDiagramFiles(const std::string& currentFile) {
  FolderListing listing;
  const std::string folder = ExtractFilePath(currentFile);
  TSearchRec entry;
  for (int found = FindFirst(folder + "*.dgr", faAnyFile, entry); found == 0; found = FindNext(entry)) {
    std::string path = folder + entry.Name;
    if (path == currentFile) listing.CurrentIndex = int(listing.Paths.size());
    listing.Paths.push_back(std::move(path));
  }
  FindClose(entry);
  return listing;
}

int StepIndex(int index, int count, int direction) {
  index += direction;
  if (index < 0) return count - 1;
  if (index >= count) return 0;
  return index;
}

}  // namespace dgr
