// Leafing through the diagram files of the shown file's folder.

#include "app/MForm.h"
#include "browse/FileList.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::forms::TComponent;
using platform::system::FileExists;

void TMForm::BuildFileList() {
  const FolderListing listing = ListDiagramFiles(CurrentFile());
  FileList = listing.Paths;
  if (listing.CurrentIndex) CurrentIndex = *listing.CurrentIndex;
  if (!FileList.empty()) {
    sbPrev->SetEnabled(true);
    sbNext->SetEnabled(true);
  }
}

void TMForm::sbPrevClick(TObject* sender) {
  if (FileList.empty()) return;
  SaveCommentIfModified();
  const bool backwards = static_cast<TComponent*>(sender)->Tag() == 0;
  CurrentIndex = StepIndex(CurrentIndex, int(FileList.size()), backwards ? -1 : 1);
  const std::string& path = FileList[std::size_t(CurrentIndex)];
  if (!FileExists(path)) return;
  FOpen->SetFileName(path);
  ShowFile();
}

}  // namespace dgr
