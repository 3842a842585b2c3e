#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "browse/FolderCursor.h"
#include "diagram_file/CommentSave.h"
#include "diagram_file/Readouts.h"
#include "diagram_file/SegmentArrays.h"
#include "platform/forms/Forms.h"
#include "view/Curves.h"
#include "view/PlotGeometry.h"

namespace dgr {

using platform::forms::TBevel;
using platform::forms::TCloseAction;
using platform::forms::TComboBox;
using platform::forms::TForm;
using platform::forms::TImage;
using platform::forms::TLabel;
using platform::forms::TMenuItem;
using platform::forms::TMouseButton;
using platform::forms::TObject;
using platform::forms::TOpenDialog;
using platform::forms::TPanel;
using platform::forms::TPopupMenu;
using platform::forms::TRadioButton;
using platform::forms::TScrollBar;
using platform::forms::TShiftState;
using platform::forms::TSpeedButton;
using platform::forms::TStaticText;
using platform::forms::TTimer;

// The diagram window: tool bar, plot, scroll bar and read-outs of one diagram file, and every
// command of the program.
class TMForm : public TForm {
public:
  TMForm();

  // Tool bar.
  TPanel* Panel2;
  TPanel* Panel3;
  TStaticText* StaticText1;
  TStaticText* stSeg;
  TStaticText* stSVal;
  TStaticText* stFVal;
  TStaticText* stAVal;
  TRadioButton* rbAZS;
  TRadioButton* rbNB;
  TPanel* Panel4;
  TSpeedButton* sbFOpen;
  TSpeedButton* sbPrev;
  TSpeedButton* sbNext;
  TSpeedButton* sbComent;
  TComboBox* cbZoom;
  TPanel* Panel8;
  TSpeedButton* SpeedButton2;
  TSpeedButton* SpeedButton3;
  TSpeedButton* SpeedButton4;
  TPanel* Panel5;
  TPanel* Panel6;
  TPanel* Panel7;

  // Plot, bottom layer first.
  TPanel* pGraf;
  TImage* imGrid;
  TImage* imCode;
  TImage* imAir;
  TImage* imFuel;
  // The cursor mark: a one-pixel line at the pointer, above the curves and below the layer
  // that takes the mouse, so moving it redraws no layer.
  TPanel* pMark;
  TImage* imBlank;

  TPanel* pShift;
  TScrollBar* sbShift;

  // Read-outs.
  TPanel* pDat;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TLabel* Label4;
  TLabel* Label5;
  TLabel* Label6;
  TLabel* Label7;
  TLabel* Label8;
  TLabel* Label9;
  TLabel* Label10;
  TLabel* Label11;
  TLabel* Label12;
  TBevel* Bevel1;
  TStaticText* stFLvl;
  TStaticText* stRFLvl;
  TStaticText* stFnd;
  TStaticText* stWLvl;
  TStaticText* stCFsn;
  TStaticText* stFADif;
  TStaticText* stAFnd;
  TStaticText* stWsn;
  TStaticText* stFtg;
  TStaticText* stShum;
  TStaticText* stRng;
  TStaticText* stFadd;
  TStaticText* stDelta;
  TStaticText* stLX;
  TPanel* Panel9;
  TStaticText* stSegNum;
  TStaticText* stSAdr;
  TStaticText* stDTime;
  TStaticText* stVer;

  // Components without a shape.
  TPopupMenu* pmFile;
  TMenuItem* miOpenFile;
  TMenuItem* N2;
  TMenuItem* miExit;
  TOpenDialog* FOpen;
  TTimer* Tmr;

  // Handlers.
  void CreateForm(TObject* sender);
  void FormResize(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void CloseForm(TObject* sender, TCloseAction& action);
  void TmrTimer(TObject* sender);
  void OpenFileClick(TObject* sender);
  void miExitClick(TObject* sender);
  void sbPrevClick(TObject* sender);
  void rbAZSClick(TObject* sender);
  void GrafShow(TObject* sender);
  void MDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void MUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void ImgMouseMove(TObject* sender, TShiftState shift, int x, int y);
  void ImgMouseLeave(TObject* sender);
  void sbComentClick(TObject* sender);
  void ZoomChange(TObject* sender);
  void sbShiftChange(TObject* sender);
  // Keyboard and wheel, which lead to the same handlers as the mouse.
  void FormKeyDown(TObject* sender, int& key, TShiftState shift);
  void FormMouseWheel(TObject* sender, TShiftState shift, int delta, int x, int y);

  // The pending-comment step: saves an edited comment into the shown file, or asks first when
  // the comment window's "always save" box is off. Never cancels what its caller does.
  void SaveCommentIfModified();
  // Writes the comment window's text into the current file; clears the unsaved-changes marker
  // on success.
  bool SaveComment();

  // Read access to the state, for the comment window and for tests.
  const std::string& CurrentFile() const { return FOpen->FileName(); }
  const std::vector<std::string>& FileList() const { return files_.Paths(); }
  int CurrentIndex() const { return files_.Index(); }
  int SegmentCount() const { return segmentCount_; }
  int Zoom() const { return zoom_; }
  bool DepotMode() const { return depotMode_; }
  int GroupSize() const { return groupSize_; }
  int PlotWidth() const { return plotWidth_; }
  const PlotGeometry& Geometry() const { return plot_; }
  int HomeLeft() const { return homeLeft_; }
  bool Dragging() const { return dragging_; }
  const SegmentArrays& Arrays() const { return arrays_; }

private:
  void DefineControls();
  void OpenFile(const std::string& path, bool listFolder);
  void BuildFileList();
  void ShowFile();
  bool LoadFile();
  void ShowReadouts(const DiagramFile& file, ReadoutStep step);
  void ShowComment(std::span<const std::uint8_t> commentArea);
  void FitPlotWidth();
  void RedrawLayers();
  void MoveLayers(int left);
  // The controls that show one curve: its layer and its value in the cursor read-out.
  struct CurveControls {
    TImage* Layer;
    TStaticText* Value;
  };
  CurveControls ControlsOf(Curve curve) const;
  bool AskSaveComment();
  SaveTarget CommentTarget() const;

  // State; each is set explicitly by the constructor or CreateForm.
  FolderCursor files_;
  int screenWidth_;
  int basePanelWidth_;
  int basePlotWidth_;
  int frameWidth_;
  int plotWidth_;
  int zoom_;
  bool depotMode_;
  bool suppressModeClick_;
  SegmentArrays arrays_;
  int segmentCount_;
  int groupSize_;
  // Stretch, YScale, LeftMargin, PlotRight and BottomMargin, as the grid drawing leaves them.
  PlotGeometry plot_;
  bool dragging_;
  int dragX_;
  int homeLeft_;
  // The read-out controls, in the order of the read-out list.
  std::vector<TStaticText*> readouts_;
};

extern TMForm* MForm;

}  // namespace dgr
