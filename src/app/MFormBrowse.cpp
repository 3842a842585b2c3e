// Leafing through the diagram files of the shown file's folder.

#include "app/MForm.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::forms::TComponent;
using platform::system::FileExists;

void TMForm::BuildFileList() {
  files_.List(CurrentFile());
  if (!files_.Empty()) {
    sbPrev->SetEnabled(true);
    sbNext->SetEnabled(true);
  }
}

void TMForm::sbPrevClick(TObject* sender) {
  if (files_.Empty()) return;
  SaveCommentIfModified();
  const bool backwards = static_cast<TComponent*>(sender)->Tag() == 0;
  const std::string& path = files_.Step(backwards ? -1 : 1);
  if (!FileExists(path)) return;
  OpenFile(path, false);
}

}  // namespace dgr
