// Carrying a diagram file into the windows, and its comment back into the file.

#include "Comment/CForm.h"
#include "app/MForm.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFile.h"
#include "diagram_file/Readouts.h"
#include "diagram_file/SiteMode.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileExists;

void TMForm::ShowFile() {
  stSAdr->SetCaption("");
  stDTime->SetCaption("");
  stSegNum->SetCaption("");
  if (!LoadFile()) return;
  if (rbNB->Checked() == DepotMode) return;
  SuppressModeClick = true;
  if (DepotMode)
    rbNB->SetChecked(true);
  else
    rbAZS->SetChecked(true);
}

bool TMForm::LoadFile() {
  const std::string path = CurrentFile();
  if (!FileExists(path)) return false;

  SetCaption(DiagramCaptionBase);
  for (TStaticText* readout : {stDTime, stSAdr, stFnd, stFLvl, stCFsn, stAFnd, stFADif, stRng, stFtg, stFadd,
                               stShum, stDelta, stWLvl, stWsn, stVer})
    readout->SetCaption("");

  // The file stays open, unshared, until the comment window has been filled or hidden.
  DiagramFileReader reader(path);
  if (!reader.Ok()) return false;
  DiagramFile& file = reader.File();
  const ReadoutTexts texts = MakeReadoutTexts(file);

  stSegNum->SetCaption(texts.stSegNum);
  if (file.HeaderLength >= 62) {
    stDTime->SetCaption(texts.stDTime);
    stSAdr->SetCaption(texts.stSAdr);
  }
  if (file.HeaderLength >= 64) stFnd->SetCaption(texts.stFnd);

  CodeData = std::move(file.CodeData);
  FuelData = std::move(file.FuelData);
  AirData = std::move(file.AirData);

  ShowComment(file.Comment);
  reader.Close();

  const int oldSegmentCount = SegmentCount;
  SegmentCount = file.SegmentCount;
  const SiteModeDecision mode = DecideSiteMode(file.SiteType, SegmentCount, DepotMode);
  DepotMode = mode.DepotMode;
  GroupSize = mode.GroupSize;
  rbNB->SetEnabled(mode.ModeButtonsEnabled);
  rbAZS->SetEnabled(mode.ModeButtonsEnabled);

  if (oldSegmentCount != SegmentCount) FitPlotWidth();
  Plot.Stretch = 1;
  MoveLayers(HomeLeft);
  RedrawLayers();

  if (texts.stRFLvl) {
    stRFLvl->SetCaption(*texts.stRFLvl);
    stRFLvl->SetVisible(true);
  } else {
    stRFLvl->SetVisible(false);
  }
  stFLvl->SetCaption(texts.stFLvl);
  stCFsn->SetCaption(texts.stCFsn);
  stAFnd->SetCaption(texts.stAFnd);
  stFADif->SetCaption(texts.stFADif);
  stRng->SetCaption(texts.stRng);
  stFtg->SetCaption(texts.stFtg);
  stFadd->SetCaption(texts.stFadd);
  stShum->SetCaption(texts.stShum);
  stDelta->SetCaption(texts.stDelta);
  stWLvl->SetCaption(texts.stWLvl);
  stWsn->SetCaption(texts.stWsn);

  SetCaption(DiagramCaption(path));
  return mode.LoadResult;
}

// A stored comment is shown clean in the comment window; without one the window hides, which
// runs the pending-comment step while this load still holds the file.
void TMForm::ShowComment(std::span<const std::uint8_t> commentArea) {
  if (!commentArea.empty()) {
    CForm->mCmt->SetText(EditorComment(commentArea));
    CForm->Show();
    CForm->MarkSaved();
  } else if (CForm->Visible()) {
    CForm->Hide();
  }
}

void TMForm::rbAZSClick(TObject*) {
  const bool suppressed = SuppressModeClick;
  SuppressModeClick = false;
  if (suppressed) return;
  DepotMode = !rbAZS->Checked();
  if (!CurrentFile().empty()) LoadFile();
}

bool TMForm::SaveComment() {
  const EncodedComment comment = EncodeCommentForSave(CForm->mCmt->Text());
  if (!comment.Ok) return false;
  if (!WriteCommentArea(CurrentFile(), comment.Bytes)) return false;
  CForm->MarkSaved();
  return true;
}

}  // namespace dgr
