#pragma once

#include <string>

#include "platform/forms/Forms.h"

namespace dgr {

using platform::forms::TButton;
using platform::forms::TCheckBox;
using platform::forms::TForm;
using platform::forms::TMemo;
using platform::forms::TObject;
using platform::forms::TPanel;

// The comment window: an editor for the comment of the shown diagram file, docked at the right
// edge of the diagram window and hidden until a comment is shown.
class TCForm : public TForm {
public:
  TCForm();

  TMemo* mCmt;
  TPanel* Panel1;
  TButton* btSave;
  TCheckBox* cbSave;

  void FormCreate(TObject* sender);
  void FormHide(TObject* sender);
  void FormShow(TObject* sender);
  void CmtChange(TObject* sender);
  void btSaveClick(TObject* sender);

  // The text has changed since it was last loaded from the file or saved into it; the caption
  // then carries the marker "*".
  bool Modified() const { return modified_; }
  // The text now matches the file: drops the marker and clears Modified.
  void MarkSaved();
  // Shows text as the file's own comment: unmarked and unmodified.
  void ShowStored(const std::string& text);
  // Gives up an edit: back to the text last loaded or saved.
  void DiscardEdit();

private:
  bool modified_;
  // The text as the file holds it, what DiscardEdit goes back to.
  std::string stored_;
};

extern TCForm* CForm;

}  // namespace dgr
