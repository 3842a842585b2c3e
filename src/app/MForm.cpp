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
    : FileList(),
      CurrentIndex(0),
      ScreenWidth(0),
      BasePanelWidth(0),
      BasePlotWidth(0),
      FrameWidth(0),
      PlotWidth(0),
      Zoom(1),
      DepotMode(false),
      SuppressModeClick(false),
      CodeData(),
      FuelData(),
      AirData(),
      SegmentCount(0),
      GroupSize(0),
      Plot{},
      Dragging(false),
      DragX(0),
      HomeLeft(0) {
  DefineControls();
}

void TMForm::CreateForm(TObject*) {
  SuppressModeClick = false;
  FileList.clear();
  Zoom = 1;
  Plot.Stretch = 1;
  ScreenWidth = Screen->Width();
  BasePanelWidth = pGraf->Width();
  BasePlotWidth = imBlank->Width();
  FrameWidth = Width() - BasePlotWidth;
  HomeLeft = imBlank->Left();

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
  BuildFileList();
  ShowFile();
}

void TMForm::OpenFileClick(TObject*) {
  sbPrev->SetEnabled(false);
  sbNext->SetEnabled(false);
  SaveCommentIfModified();
  if (FOpen->Execute()) {
    BuildFileList();
    ShowFile();
  }
}

void TMForm::FormResize(TObject*) {
  if (CForm) CForm->SetLeft(Left() + Width());
}

void TMForm::FormCloseQuery(TObject*, bool&) { SaveCommentIfModified(); }

void TMForm::CloseForm(TObject*, TCloseAction&) {
  FileList = {};
  CodeData = {};
  FuelData = {};
  AirData = {};
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

void TMForm::SaveCommentIfModified() {
  if (!CForm->Modified()) return;
  if (CForm->cbSave->Checked())
    SaveComment();
  else
    AskSaveComment();
}

void TMForm::AskSaveComment() {
  if (!FileExists(CurrentFile())) return;
  const int answer = MessageBoxA(nullptr, "Коментарий изменён\nно не сохранён.\nСохранить?", "",
                                 MB_YESNO | MB_ICONQUESTION);
  if (answer != IDNO) SaveComment();
}

}  // namespace dgr
