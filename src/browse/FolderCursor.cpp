#include "browse/FolderCursor.h"

#include "browse/FileList.h"

namespace dgr {

void FolderCursor::List(const std::string& path) {
  FolderListing listing = ListDiagramFiles(path);
  paths_ = std::move(listing.Paths);
  if (listing.CurrentIndex) index_ = *listing.CurrentIndex;
}

const std::string& FolderCursor::Step(int direction) {
  index_ = StepIndex(index_, int(paths_.size()), direction);
  return paths_[std::size_t(index_)];
}

}  // namespace dgr
