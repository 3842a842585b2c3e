// Carrying a diagram file into the windows.

#include "Comment/CForm.h"
#include "app/MForm.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFile.h"
#include "diagram_file/SiteMode.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileExists;

void TMForm::ShowFile() {
  stSAdr->SetCaption("");
  stDTime->SetCaption("");
  stSegNum->SetCaption("");
  if (!LoadFile()) return;
  if (rbNB->Checked() == depotMode_) return;
  suppressModeClick_ = true;
  if (depotMode_)
    rbNB->SetChecked(true);
  else
    rbAZS->SetChecked(true);
}

bool TMForm::LoadFile() {
  const std::string path = CurrentFile();
  // A file that cannot be read leaves no comment of another file in the editor.
  if (!FileExists(path)) {
    ShowComment({});
    return false;
  }

  SetCaption(DiagramCaptionBase);
  for (std::size_t i = 0; i < readouts_.size(); ++i)
    if (Readouts()[i].EmptiedByLoad) readouts_[i]->SetCaption("");

  // The file stays open, unshared, until the comment window has been filled or hidden.
  DiagramFileReader reader(path);
  if (!reader.Ok()) {
    ShowComment({});
    return false;
  }
  DiagramFile& file = reader.File();
  ShowReadouts(file, ReadoutStep::WithHeader);
  arrays_ = std::move(static_cast<SegmentArrays&>(file));
  ShowComment(file.Comment);
  reader.Close();

  const int oldSegmentCount = segmentCount_;
  segmentCount_ = file.SegmentCount;
  const SiteModeDecision mode = DecideSiteMode(file.SiteType, segmentCount_, depotMode_);
  depotMode_ = mode.DepotMode;
  groupSize_ = mode.GroupSize;
  rbNB->SetEnabled(mode.ModeButtonsEnabled);
  rbAZS->SetEnabled(mode.ModeButtonsEnabled);

  if (oldSegmentCount != segmentCount_) FitPlotWidth();
  plot_.Stretch = 1;
  MoveLayers(homeLeft_);
  RedrawLayers();

  ShowReadouts(file, ReadoutStep::AfterPlot);
  SetCaption(DiagramCaption(path));
  return mode.LoadResult;
}

// A hidden read-out keeps its text.
void TMForm::ShowReadouts(const DiagramFile& file, ReadoutStep step) {
  for (std::size_t i = 0; i < readouts_.size(); ++i) {
    const Readout& readout = Readouts()[i];
    if (readout.Step != step) continue;
    if (const std::optional<std::string> text = readout.Text(file)) {
      readouts_[i]->SetCaption(*text);
      readouts_[i]->SetVisible(true);
    } else {
      readouts_[i]->SetVisible(false);
    }
  }
}

// The file's own comment, clean, in the comment window, which shows it or hides without one.
// The pending step has already run for the previous file, so hiding here asks nothing.
void TMForm::ShowComment(std::span<const std::uint8_t> commentArea) {
  CForm->ShowStored(commentArea.empty() ? std::string() : EditorComment(commentArea));
  if (!commentArea.empty())
    CForm->Show();
  else if (CForm->Visible())
    CForm->Hide();
}

void TMForm::rbAZSClick(TObject*) {
  const bool suppressed = suppressModeClick_;
  suppressModeClick_ = false;
  if (suppressed) return;
  depotMode_ = !rbAZS->Checked();
  if (CurrentFile().empty()) return;
  SaveCommentIfModified();
  LoadFile();
}

}  // namespace dgr
