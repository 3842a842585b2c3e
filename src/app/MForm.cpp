#include "app/MForm.h"

#include "Comment/CForm.h"
#include "platform/system/CommandLine.h"
#include "platform/system/Files.h"
#include "platform/system/Text.h"

namespace dgr {

using platform::forms::IDNO;
using platform::forms::MB_ICONQUESTION;
using platform::forms::MB_YESNO;
using platform::forms::MessageBoxA;
using platform::forms::Screen;
using platform::system::FileExists;
using platform::system::ParamCount;
using platform::system::ParamStr;
using platform::system::Pos;
using platform::system::UpperCase;

TMForm* MForm = nullptr;

TMForm::TMForm()
    : files_(),
      screenWidth_(0),
      basePanelWidth_(0),
      basePlotWidth_(0),
      frameWidth_(0),
      plotWidth_(0),
      zoom_(1),
      depotMode_(false),
      suppressModeClick_(false),
      arrays_(),
      segmentCount_(0),
      groupSize_(0),
      plot_{},
      dragging_(false),
      dragX_(0),
      homeLeft_(0),
      readouts_() {
  DefineControls();
}

void TMForm::CreateForm(TObject*) {
  suppressModeClick_ = false;
  files_.Clear();
  zoom_ = 1;
  plot_.Stretch = 1;
  screenWidth_ = Screen->Width();
  basePanelWidth_ = pGraf->Width();
  basePlotWidth_ = imBlank->Width();
  frameWidth_ = Width() - basePlotWidth_;
  homeLeft_ = imBlank->Left();

  // The first argument that names a diagram file is opened once the windows are up. The
  // program's own path (argument 0) is not looked at: it is never a diagram.
  for (int i = 1; i <= ParamCount(); ++i) {
    const std::string argument = ParamStr(i);
    if (Pos(".DGR", UpperCase(argument)) > 0) {
      FOpen->SetFileName(argument);
      Tmr->SetEnabled(true);
      break;
    }
  }
}

void TMForm::TmrTimer(TObject*) {
  Tmr->SetEnabled(false);
  OpenFile(CurrentFile(), true);
}

void TMForm::OpenFileClick(TObject*) {
  sbPrev->SetEnabled(false);
  sbNext->SetEnabled(false);
  SaveCommentIfModified();
  if (FOpen->Execute()) OpenFile(CurrentFile(), true);
}

// Every way of choosing a file ends here. A file chosen from outside the folder list (the open
// dialog, the command line) lists its folder first.
void TMForm::OpenFile(const std::string& path, bool listFolder) {
  FOpen->SetFileName(path);
  if (listFolder) BuildFileList();
  ShowFile();
}

void TMForm::FormResize(TObject*) {
  if (CForm) CForm->SetLeft(Left() + Width());
}

void TMForm::FormCloseQuery(TObject*, bool&) { SaveCommentIfModified(); }

void TMForm::CloseForm(TObject*, TCloseAction&) {
  files_.Clear();
  arrays_ = {};
}

void TMForm::miExitClick(TObject*) { Close(); }

void TMForm::sbComentClick(TObject*) {
  const bool down = sbComent->Down();
  if (CForm->Visible() == down) return;
  if (down && !FileExists(CurrentFile())) {
    sbComent->SetDown(false);
    return;
  }
  CForm->SetVisible(down);
}

SaveTarget TMForm::CommentTarget() const { return {CurrentFile()}; }

void TMForm::SaveCommentIfModified() {
  const std::optional<CommentSaveResult> saved =
      SavePendingComment({.Modified = CForm->Modified(), .AlwaysSave = CForm->cbSave->Checked(), .Text = CForm->mCmt->Text()},
                              CommentTarget(), [this] { return AskSaveComment(); });
  if (!saved) {
    if (CForm->Modified()) CForm->DiscardEdit();
  } else if (saved->Saved()) {
    CForm->MarkSaved();
  }
}

bool TMForm::SaveComment() {
  const bool saved = dgr::SaveComment(CommentTarget(), CForm->mCmt->Text()).Saved();
  if (saved) CForm->MarkSaved();
  return saved;
}

// Any answer but No saves.
bool TMForm::AskSaveComment() {
  return MessageBoxA(nullptr, "Коментарий изменён\nно не сохранён.\nСохранить?", "", MB_YESNO | MB_ICONQUESTION) != IDNO;
}

}  // namespace dgr
