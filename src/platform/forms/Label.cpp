#include "platform/forms/Label.h"

namespace platform::forms {

TLabel::TLabel(TComponent* owner) : TControl(owner) {}

void TLabel::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment != alignment_) {
    alignment_ = alignment;
    Changed(TChange::Appearance);
  }
}

}  // namespace platform::forms
