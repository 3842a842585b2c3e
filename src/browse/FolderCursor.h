#pragma once

#include <string>
#include <vector>

namespace dgr {

// The diagram files of the shown file's folder and the position of the shown file among them,
// for stepping through the folder with wrap-around.
class FolderCursor {
public:
  // Lists the folder of path (ListDiagramFiles). The index moves to path's entry when the list
  // holds it and otherwise stays where it was.
  void List(const std::string& path);
  // Moves one step (direction -1 or +1), wrapping around at both ends, and gives the path
  // there. The list must not be empty.
  const std::string& Step(int direction);
  void Clear() { paths_.clear(); }

  const std::vector<std::string>& Paths() const { return paths_; }
  bool Empty() const { return paths_.empty(); }
  int Index() const { return index_; }

private:
  std::vector<std::string> paths_;
  int index_ = 0;
};

}  // namespace dgr
