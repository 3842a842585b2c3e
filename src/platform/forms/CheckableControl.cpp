#include "platform/forms/CheckableControl.h"

#include "platform/forms/Application.h"

namespace platform::forms {

TCheckableControl::TCheckableControl(TComponent* owner) : TWinControl(owner) {}

void TCheckableControl::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TCheckableControl::SetChecked(bool checked) {
  if (checked == checked_) {
    return;
  }
  StoreChecked(checked);
  CheckedChanged();
}

void TCheckableControl::SetAlignment(TAlignment alignment) {
  if (alignment != alignment_) {
    alignment_ = alignment;
    Changed(TChange::Appearance);
  }
}

void TCheckableControl::UserClick() {
  Application->Dispatch([this] {
    if (EnabledInTree()) {
      SetChecked(StateAfterClick());
    }
  });
}

void TCheckableControl::CheckedChanged() {
  if (OnClick) {
    OnClick(this);
  }
}

void TCheckableControl::StoreChecked(bool checked) {
  checked_ = checked;
  Changed(TChange::Checked);
}

}  // namespace platform::forms
