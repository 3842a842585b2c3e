// The diagram window as designed: every control with its place, texts, look, initial state and
// handlers, created in the designed order (a later sibling lies above an earlier one).

#include <string>

#include "Version.h"
#include "app/Glyphs.h"
#include "app/MForm.h"
#include "platform/forms/ControlDefinition.h"
#include "platform/system/CommandLine.h"
#include "platform/system/Paths.h"
#include "view/DesignSizes.h"

namespace dgr {

using platform::forms::Find;
using platform::forms::TComponent;
using platform::forms::TControl;
using platform::forms::TWinControl;
using platform::graphics::TColor;
using platform::graphics::clWindowText;
using platform::forms::Place;
using platform::forms::SetFont;
using platform::forms::ShowHintText;
using platform::forms::ofEnableSizing;
using platform::forms::ofFileMustExist;
using platform::forms::ofHideReadOnly;
using platform::forms::ofReadOnly;
using enum platform::forms::TAlign;
using enum platform::forms::TAlignment;
using enum platform::forms::TBevelCut;
using enum platform::forms::TBevelShape;
using enum platform::forms::TComboBoxStyle;
using enum platform::forms::TCursor;
using enum platform::forms::TFormBorderStyle;
using enum platform::forms::TMenuAutoFlag;
using enum platform::forms::TPosition;
using enum platform::forms::TScrollBarKind;
using enum platform::forms::TStaticBorderStyle;
using platform::graphics::clBlack;
using platform::graphics::clBtnFace;
using platform::graphics::clInfoBk;
using platform::graphics::clNavy;
using platform::system::ExtractFilePath;
using platform::system::ParamStr;

namespace {

// Bold 11 px navy, the look of every caption beside a read-out.
void NavyCaptionFont(TControl* control) { SetFont(control, 11, true, clNavy); }

// A read-out field: right-aligned, sunken, on the tooltip colour, bold 13 px.
TStaticText* ReadoutField(TComponent* owner, TWinControl* parent, const char* name, int left, int top,
                          int width, int height) {
  auto* field = Place<TStaticText>(owner, parent, name, left, top, width, height);
  field->SetAlignment(taRightJustify);
  field->SetBorderStyle(sbsSunken);
  field->SetColor(clInfoBk);
  SetFont(field, 13, true);
  return field;
}

TLabel* ReadoutLabel(TComponent* owner, TWinControl* parent, const char* name, const char* caption,
                     int left, int top, int width, int height) {
  auto* label = Place<TLabel>(owner, parent, name, left, top, width, height);
  label->SetCaption(caption);
  NavyCaptionFont(label);
  return label;
}

// A tool-bar group panel: raised inner bevel inside a lowered outer one.
TPanel* GroupPanel(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                   int height) {
  auto* panel = Place<TPanel>(owner, parent, name, left, top, width, height);
  panel->SetBevelInner(bvRaised);
  panel->SetBevelOuter(bvLowered);
  return panel;
}

TSpeedButton* VisibilityButton(TComponent* owner, TWinControl* parent, const char* name, int left, int group,
                               int tag) {
  auto* button = Place<TSpeedButton>(owner, parent, name, left, 13, 22, 14);
  ShowHintText(button, "Видимость");
  button->SetGroupIndex(group);
  button->SetAllowAllUp(true);
  button->SetDown(true);
  button->SetTag(tag);
  return button;
}

TPanel* Swatch(TComponent* owner, TWinControl* parent, const char* name, int left, TColor color) {
  auto* swatch = Place<TPanel>(owner, parent, name, left, 4, 23, 8);
  swatch->SetColor(color);
  swatch->SetBevelOuter(bvLowered);
  return swatch;
}

TStaticText* CursorField(TComponent* owner, TWinControl* parent, const char* name, int left, int width,
                         const char* hint, TColor fontColor) {
  auto* field = ReadoutField(owner, parent, name, left, 5, width, 19);
  field->Font()->SetColor(fontColor);
  ShowHintText(field, hint);
  return field;
}

TImage* PlotLayer(TComponent* owner, TWinControl* parent, const char* name, bool transparent) {
  auto* layer = Place<TImage>(owner, parent, name, DesignLayerLeft, DesignLayerLeft, DesignPlotWidth,
                             DesignLayerHeight);
  layer->SetTransparent(transparent);
  layer->SetCursor(crCross);
  return layer;
}

TStaticText* HeaderField(TComponent* owner, TWinControl* parent, const char* name, int left, int width) {
  auto* field = Place<TStaticText>(owner, parent, name, left, 1, width, 19);
  field->SetAlignment(taCenter);
  field->SetBorderStyle(sbsSunken);
  field->SetColor(clBtnFace);
  SetFont(field, 13, true);
  return field;
}

}  // namespace

void TMForm::DefineControls() {
  SetName("MForm");
  SetCaption(DiagramCaptionBase);
  SetBorderStyle(bsSingle);
  SetPosition(poDesktopCenter);
  SetBounds(DesignWindowLeft, 119, 0, 0);
  SetClientWidth(711);
  SetClientHeight(498);
  SetColor(clBtnFace);
  Font()->SetHeight(11);
  SetIcon(DiagramIcon());
  SetShowHint(false);

  // Plot panel and its five layers, bottom to top.
  pGraf = Place<TPanel>(this, this, "pGraf", 4, 34, DesignPanelWidth, 316);
  pGraf->SetBevelOuter(bvLowered);
  pGraf->SetBorderWidth(1);
  imGrid = PlotLayer(this, pGraf, "imGrid", false);
  imCode = PlotLayer(this, pGraf, "imCode", true);
  imAir = PlotLayer(this, pGraf, "imAir", true);
  imFuel = PlotLayer(this, pGraf, "imFuel", true);
  pMark = Place<TPanel>(this, pGraf, "pMark", DesignLayerLeft, DesignLayerLeft, 1, DesignLayerHeight);
  pMark->SetBevelOuter(bvNone);
  pMark->SetCaption("");
  pMark->SetColor(clBlack);
  pMark->SetVisible(false);
  imBlank = PlotLayer(this, pGraf, "imBlank", true);
  imBlank->SetAlign(alClient);

  // Read-out panel.
  pDat = Place<TPanel>(this, this, "pDat", 0, 373, 711, 125);
  pDat->SetBevelOuter(bvNone);
  Label1 = ReadoutLabel(this, pDat, "Label1", "ТОПЛИВО", 1, 9, 62, 13);
  Label2 = ReadoutLabel(this, pDat, "Label2", "ВОДА", 505, 9, 36, 13);
  Label3 = ReadoutLabel(this, pDat, "Label3", "СЕГМЕНТ", 17, 33, 59, 13);
  Label4 = ReadoutLabel(this, pDat, "Label4", "ТАНГЕНС", 17, 57, 58, 13);
  Label5 = ReadoutLabel(this, pDat, "Label5", "ДОБАВКА", 17, 81, 60, 13);
  Label6 = ReadoutLabel(this, pDat, "Label6", "СЕГМЕНТ", 521, 33, 59, 13);
  Label7 = ReadoutLabel(this, pDat, "Label7", "ВОЗДУХ", 337, 33, 53, 13);
  Label9 = ReadoutLabel(this, pDat, "Label9", "ПЕРЕХОД", 337, 57, 61, 13);
  Label10 = ReadoutLabel(this, pDat, "Label10", "ШКАЛА", 185, 33, 44, 13);
  Label11 = ReadoutLabel(this, pDat, "Label11", "ШУМ", 185, 57, 30, 13);
  Label12 = ReadoutLabel(this, pDat, "Label12", "ДЕЛЬТА", 185, 81, 52, 13);
  Bevel1 = Place<TBevel>(this, pDat, "Bevel1", 489, 15, 4, 73);
  Bevel1->SetShape(bsLeftLine);
  Label8 = ReadoutLabel(this, pDat, "Label8", "ПОПРАВКА", 326, 9, 68, 13);
  stFLvl = ReadoutField(this, pDat, "stFLvl", 73, 7, 89, 17);
  stWLvl = ReadoutField(this, pDat, "stWLvl", 577, 7, 89, 17);
  stCFsn = ReadoutField(this, pDat, "stCFsn", 89, 31, 73, 17);
  stFtg = ReadoutField(this, pDat, "stFtg", 89, 55, 73, 17);
  stFadd = ReadoutField(this, pDat, "stFadd", 89, 79, 73, 17);
  stAFnd = ReadoutField(this, pDat, "stAFnd", 401, 31, 73, 17);
  stFADif = ReadoutField(this, pDat, "stFADif", 241, 31, 73, 17);
  stRng = ReadoutField(this, pDat, "stRng", 401, 55, 73, 17);
  stWsn = ReadoutField(this, pDat, "stWsn", 593, 31, 73, 17);
  stShum = ReadoutField(this, pDat, "stShum", 241, 55, 73, 17);
  stDelta = ReadoutField(this, pDat, "stDelta", 241, 79, 73, 17);
  stFnd = ReadoutField(this, pDat, "stFnd", 401, 7, 73, 17);

  Panel9 = Place<TPanel>(this, pDat, "Panel9", 0, 104, 711, 21);
  Panel9->SetAlign(alBottom);
  Panel9->SetAutoSize(true);
  SetFont(Panel9, 13, true);
  stSegNum = HeaderField(this, Panel9, "stSegNum", 169, 160);
  stSAdr = HeaderField(this, Panel9, "stSAdr", 362, 120);
  stDTime = HeaderField(this, Panel9, "stDTime", 490, 215);
  stVer = HeaderField(this, Panel9, "stVer", 1, 160);
  stVer->SetHint("Версия датчика");

  stRFLvl = ReadoutField(this, pDat, "stRFLvl", 185, 7, 89, 17);
  ShowHintText(stRFLvl, "Топливо без поправки");
  stRFLvl->SetVisible(false);
  stLX = ReadoutField(this, pDat, "stLX", 504, 79, 193, 17);

  // Tool bar.
  Panel2 = Place<TPanel>(this, this, "Panel2", 0, 0, 706, 33);
  Panel2->SetAutoSize(true);

  Panel3 = GroupPanel(this, Panel2, "Panel3", 413, 1, 292, 31);
  StaticText1 = Place<TStaticText>(this, Panel3, "StaticText1", 1, 8, 73, 15);
  StaticText1->SetCaption("СЕГМЕНТ :");
  StaticText1->SetAlignment(taRightJustify);
  StaticText1->SetColor(clBtnFace);
  NavyCaptionFont(StaticText1);
  stSeg = CursorField(this, Panel3, "stSeg", 76, 53, "Номер сегмента", clWindowText);
  stSVal = CursorField(this, Panel3, "stSVal", 140, 45, "Код с датчика", TraitsOf(Curve::Code).Color);
  stFVal = CursorField(this, Panel3, "stFVal", 191, 45, "Код топлива", TraitsOf(Curve::Fuel).Color);
  stAVal = CursorField(this, Panel3, "stAVal", 242, 45, "Код воздуха", TraitsOf(Curve::Air).Color);

  rbAZS = Place<TRadioButton>(this, Panel2, "rbAZS", 241, 8, 41, 17);
  rbAZS->SetCaption("АЗС");
  rbAZS->SetAlignment(taLeftJustify);
  SetFont(rbAZS, 11, true);
  rbAZS->SetChecked(true);
  rbNB = Place<TRadioButton>(this, Panel2, "rbNB", 293, 8, 40, 17);
  rbNB->SetCaption("НБ");
  rbNB->SetAlignment(taRightJustify);
  SetFont(rbNB, 11, true);

  Panel4 = GroupPanel(this, Panel2, "Panel4", 1, 1, 232, 31);
  Panel4->SetAlign(alLeft);
  // The program's version, shown over the gaps between the file buttons.
  ShowHintText(Panel4, ("dgrview, версия " + std::string(dgr::Version)).c_str());
  sbFOpen = Place<TSpeedButton>(this, Panel4, "sbFOpen", 10, 4, 39, 22);
  ShowHintText(sbFOpen, "Открыть файл");
  sbFOpen->SetFlat(true);
  sbFOpen->SetGlyph(OpenFileGlyph());
  sbFOpen->SetSpacing(0);
  sbPrev = Place<TSpeedButton>(this, Panel4, "sbPrev", 56, 4, 23, 22);
  sbPrev->SetCaption("<<");
  ShowHintText(sbPrev, "Предидущий");
  sbPrev->SetFlat(true);
  SetFont(sbPrev, 13, true);
  sbPrev->SetEnabled(false);
  sbPrev->SetTag(0);
  sbNext = Place<TSpeedButton>(this, Panel4, "sbNext", 80, 4, 23, 22);
  sbNext->SetCaption(">>");
  ShowHintText(sbNext, "Следующий");
  sbNext->SetFlat(true);
  SetFont(sbNext, 13, true);
  sbNext->SetEnabled(false);
  sbNext->SetTag(1);
  sbComent = Place<TSpeedButton>(this, Panel4, "sbComent", 124, 4, 23, 22);
  ShowHintText(sbComent, "Коментарии");
  sbComent->SetFlat(true);
  sbComent->SetGlyph(CommentGlyph());
  sbComent->SetGroupIndex(1);
  sbComent->SetAllowAllUp(true);
  cbZoom = Place<TComboBox>(this, Panel4, "cbZoom", 174, 3, 53, 24);
  ShowHintText(cbZoom, "Масштаб");
  cbZoom->SetStyle(csDropDownList);
  SetFont(cbZoom, 13, true);
  cbZoom->SetItemHeight(16);
  cbZoom->SetItems({"х1", "х2", "х4"});
  cbZoom->SetItemIndex(0);

  Panel8 = GroupPanel(this, Panel2, "Panel8", 336, 1, 77, 31);
  SpeedButton2 = VisibilityButton(this, Panel8, "SpeedButton2", 3, 1, 0);
  SpeedButton3 = VisibilityButton(this, Panel8, "SpeedButton3", 27, 2, 1);
  SpeedButton4 = VisibilityButton(this, Panel8, "SpeedButton4", 51, 3, 2);
  Panel5 = Swatch(this, Panel8, "Panel5", 3, TraitsOf(Curve::Code).Color);
  Panel6 = Swatch(this, Panel8, "Panel6", 27, TraitsOf(Curve::Air).Color);
  Panel7 = Swatch(this, Panel8, "Panel7", 51, TraitsOf(Curve::Fuel).Color);

  // Scroll bar under the plot, shown only while zoomed.
  pShift = Place<TPanel>(this, this, "pShift", 0, 350, 711, 23);
  pShift->SetBevelOuter(bvNone);
  sbShift = Place<TScrollBar>(this, pShift, "sbShift", 4, 2, 703, 15);
  sbShift->SetKind(sbHorizontal);
  sbShift->SetParams(2, 1, 3);
  sbShift->SetPageSize(1);
  sbShift->SetSmallChange(1);
  sbShift->SetLargeChange(1);
  pShift->SetVisible(false);

  // Components without a shape.
  pmFile = new TPopupMenu(this);
  pmFile->SetName("pmFile");
  pmFile->SetAutoHotkeys(maManual);
  miOpenFile = new TMenuItem(this);
  miOpenFile->SetName("miOpenFile");
  miOpenFile->SetCaption("Открыть файл");
  N2 = new TMenuItem(this);
  N2->SetName("N2");
  N2->SetCaption("-");
  miExit = new TMenuItem(this);
  miExit->SetName("miExit");
  miExit->SetCaption("Выход из программы");
  pmFile->Add(miOpenFile);
  pmFile->Add(N2);
  pmFile->Add(miExit);

  FOpen = new TOpenDialog(this);
  FOpen->SetName("FOpen");
  FOpen->SetFilter("Diagr.Files(*.dgr)|*.dgr");
  FOpen->SetInitialDir(ExtractFilePath(ParamStr(0)));
  FOpen->SetOptions(ofReadOnly | ofHideReadOnly | ofFileMustExist | ofEnableSizing);

  Tmr = new TTimer(this);
  Tmr->SetName("Tmr");
  Tmr->SetEnabled(false);
  Tmr->SetInterval(200);

  SetAutoSize(true);
  SetVisible(true);

  for (const Readout& readout : Readouts()) readouts_.push_back(Find<TStaticText>(this, readout.Control));

  // Handlers.
  OnCreate = [this](TObject* s) { CreateForm(s); };
  OnResize = [this](TObject* s) { FormResize(s); };
  OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };
  OnClose = [this](TObject* s, TCloseAction& action) { CloseForm(s, action); };
  OnKeyDown = [this](TObject* s, int& key, TShiftState shift) { FormKeyDown(s, key, shift); };
  OnMouseWheel = [this](TObject* s, TShiftState shift, int delta, int x, int y) { FormMouseWheel(s, shift, delta, x, y); };
  Tmr->OnTimer = [this](TObject* s) { TmrTimer(s); };
  sbFOpen->OnClick = [this](TObject* s) { OpenFileClick(s); };
  miOpenFile->OnClick = [this](TObject* s) { OpenFileClick(s); };
  miExit->OnClick = [this](TObject* s) { miExitClick(s); };
  sbPrev->OnClick = [this](TObject* s) { sbPrevClick(s); };
  sbNext->OnClick = [this](TObject* s) { sbPrevClick(s); };
  rbAZS->OnClick = [this](TObject* s) { rbAZSClick(s); };
  rbNB->OnClick = [this](TObject* s) { rbAZSClick(s); };
  SpeedButton2->OnClick = [this](TObject* s) { GrafShow(s); };
  SpeedButton3->OnClick = [this](TObject* s) { GrafShow(s); };
  SpeedButton4->OnClick = [this](TObject* s) { GrafShow(s); };
  imBlank->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { MDown(s, b, sh, x, y); };
  imBlank->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { ImgMouseMove(s, sh, x, y); };
  imBlank->OnMouseLeave = [this](TObject* s) { ImgMouseLeave(s); };
  imBlank->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { MUp(s, b, sh, x, y); };
  sbComent->OnClick = [this](TObject* s) { sbComentClick(s); };
  cbZoom->OnChange = [this](TObject* s) { ZoomChange(s); };
  sbShift->OnChange = [this](TObject* s) { sbShiftChange(s); };
}

}  // namespace dgr
