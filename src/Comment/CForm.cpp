#include "Comment/CForm.h"

#include "app/MForm.h"
#include "platform/forms/ControlDefinition.h"
#include "platform/system/Cp1251.h"

namespace dgr {

using enum platform::forms::TAlign;
using enum platform::forms::TFormBorderStyle;
using enum platform::forms::TScrollStyle;
using platform::forms::Place;
using platform::forms::SetFont;
using platform::graphics::clBtnFace;
using platform::graphics::clWindow;
using platform::system::CanEncodeCp1251;

TCForm* CForm = nullptr;

namespace {
constexpr const char* CommentCaption = "Коментарии";
}

TCForm::TCForm() : modified_(false) {
  SetName("CForm");
  SetCaption(CommentCaption);
  SetBorderStyle(bsSizeToolWin);
  SetBounds(1125, 133, 0, 0);
  SetClientWidth(359);
  SetClientHeight(479);
  SetColor(clBtnFace);
  Font()->SetHeight(13);

  mCmt = Place<TMemo>(this, this, "mCmt", 0, 0, 359, 446);
  mCmt->SetAlign(alClient);
  mCmt->SetWordWrap(true);
  mCmt->SetScrollBars(ssNone);
  mCmt->SetColor(clWindow);
  // The comment is stored in Windows-1251: refuse what the file could not hold.
  mCmt->AcceptChar = [](char32_t c) { return c == U'\n' || c == U'\r' || CanEncodeCp1251(c); };

  Panel1 = Place<TPanel>(this, this, "Panel1", 0, 446, 359, 33);
  Panel1->SetAlign(alBottom);
  btSave = Place<TButton>(this, Panel1, "btSave", 264, 8, 89, 20);
  btSave->SetCaption("СОХРАНИТЬ");
  SetFont(btSave, 11, true);
  cbSave = Place<TCheckBox>(this, Panel1, "cbSave", 6, 9, 219, 17);
  cbSave->SetCaption("Всегда сохранять изменения");
  cbSave->SetChecked(true);

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnHide = [this](TObject* s) { FormHide(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  mCmt->OnChange = [this](TObject* s) { CmtChange(s); };
  btSave->OnClick = [this](TObject* s) { btSaveClick(s); };
}

void TCForm::FormCreate(TObject*) {
  SetTop(MForm->Top());
  SetLeft(MForm->Left() + MForm->Width());
  SetHeight(MForm->Height());
  mCmt->Clear();
}

void TCForm::FormHide(TObject*) {
  MForm->sbComent->SetDown(false);
  MForm->SaveCommentIfModified();
}

void TCForm::FormShow(TObject*) {}

void TCForm::CmtChange(TObject*) {
  if (!modified_) SetCaption(Caption() + "*");
  modified_ = true;
}

void TCForm::btSaveClick(TObject*) { MForm->SaveComment(); }

void TCForm::MarkSaved() {
  const std::string& caption = Caption();
  if (const auto star = caption.find('*'); star != std::string::npos) SetCaption(caption.substr(0, star));
  modified_ = false;
  stored_ = mCmt->Text();
}

void TCForm::ShowStored(const std::string& text) {
  mCmt->SetText(text);
  MarkSaved();
}

void TCForm::DiscardEdit() { ShowStored(stored_); }

}  // namespace dgr
