#include "platform/forms/CheckBox.h"

#include "platform/forms/Application.h"

namespace platform::forms {

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {}

void TCheckBox::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) {
    return;
  }
  checked_ = checked;
  Changed(TChange::Checked);
  if (OnClick) {
    OnClick(this);
  }
}

void TCheckBox::SetAlignment(TAlignment alignment) {
  if (alignment != alignment_) {
    alignment_ = alignment;
    Changed(TChange::Appearance);
  }
}

void TCheckBox::UserClick() {
  Application->Dispatch([this] {
    if (EnabledInTree()) {
      SetChecked(!checked_);
    }
  });
}

}  // namespace platform::forms
