#include "platform/forms/RadioButton.h"

#include "platform/forms/Application.h"

namespace platform::forms {

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {}

void TRadioButton::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) {
    return;
  }
  checked_ = checked;
  Changed(TChange::Checked);
  if (!checked_) {
    return;
  }
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (other != nullptr && other != this && other->checked_) {
        other->checked_ = false;
        other->Changed(TChange::Checked);
      }
    }
  }
  if (OnClick) {
    OnClick(this);
  }
}

void TRadioButton::SetAlignment(TAlignment alignment) {
  if (alignment != alignment_) {
    alignment_ = alignment;
    Changed(TChange::Appearance);
  }
}

void TRadioButton::UserClick() {
  Application->Dispatch([this] {
    if (EnabledInTree() && !checked_) {
      SetChecked(true);
    }
  });
}

}  // namespace platform::forms
