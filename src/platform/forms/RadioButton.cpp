#include "platform/forms/RadioButton.h"

namespace platform::forms {

TRadioButton::TRadioButton(TComponent* owner) : TCheckableControl(owner) {}

void TRadioButton::CheckedChanged() {
  if (!Checked()) {
    return;
  }
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (other != nullptr && other != this && other->Checked()) {
        other->StoreChecked(false);
      }
    }
  }
  TCheckableControl::CheckedChanged();
}

}  // namespace platform::forms
