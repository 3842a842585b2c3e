#include "platform/forms/Button.h"

#include "platform/forms/Application.h"

namespace platform::forms {

TButton::TButton(TComponent* owner) : TWinControl(owner) {}

void TButton::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TButton::UserClick() {
  Application->Dispatch([this] {
    if (EnabledInTree() && OnClick) {
      OnClick(this);
    }
  });
}

}  // namespace platform::forms
