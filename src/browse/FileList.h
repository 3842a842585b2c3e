#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dgr {

struct FolderListing {
  // The folder part of the current file followed by each entry's name, in the order the folder
  // search delivers them.
  std::vector<std::string> Paths;
  // Position of the entry whose path equals the current file byte for byte, if any.
  std::optional<int> CurrentIndex;
};

// Lists the entries matching "*.dgr" (any letter case, sub-folders too) in the folder of
// currentFile.
FolderListing ListDiagramFiles(const std::string& currentFile);

// Moves index one step (direction -1 or +1) through a list of count entries, wrapping around at
// both ends; an index already outside the list wraps the same way.
int StepIndex(int index, int count, int direction);

}  // namespace dgr
