#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/forms/Forms.h"
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
  const std::vector<std::string>& Files() const { return FileList; }
  int CurrentFileIndex() const { return CurrentIndex; }
  int Segments() const { return SegmentCount; }
  int ZoomFactor() const { return Zoom; }
  bool Depot() const { return DepotMode; }
  int Groups() const { return GroupSize; }
  int VisiblePlotWidth() const { return PlotWidth; }
  const PlotGeometry& Geometry() const { return Plot; }
  int LayersHome() const { return HomeLeft; }
  bool IsDragging() const { return Dragging; }
  std::span<const std::uint8_t> Codes() const { return CodeData; }
  std::span<const std::uint8_t> Fuel() const { return FuelData; }
  std::span<const std::uint8_t> Air() const { return AirData; }

private:
  void DefineControls();
  void BuildFileList();
  void ShowFile();
  bool LoadFile();
  void ShowComment(std::span<const std::uint8_t> commentArea);
  void FitPlotWidth();
  void RedrawLayers();
  void DrawGrid();
  void DrawCurve(int curve, std::span<const std::uint8_t> data);
  void MoveLayers(int left);
  void AskSaveComment();

  // State, in declaration order; each is set explicitly by the constructor or CreateForm.
  std::vector<std::string> FileList;
  int CurrentIndex;
  int ScreenWidth;
  int BasePanelWidth;
  int BasePlotWidth;
  int FrameWidth;
  int PlotWidth;
  int Zoom;
  bool DepotMode;
  bool SuppressModeClick;
  std::vector<std::uint8_t> CodeData;
  std::vector<std::uint8_t> FuelData;
  std::vector<std::uint8_t> AirData;
  int SegmentCount;
  int GroupSize;
  // Stretch, YScale, LeftMargin, PlotRight and BottomMargin, as the grid drawing leaves them.
  PlotGeometry Plot;
  bool Dragging;
  int DragX;
  int HomeLeft;
};

extern TMForm* MForm;

}  // namespace dgr
