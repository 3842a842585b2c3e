#include "platform/forms/StaticText.h"

namespace platform::forms {

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {}

void TStaticText::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TStaticText::SetAlignment(TAlignment alignment) {
  if (alignment != alignment_) {
    alignment_ = alignment;
    Changed(TChange::Appearance);
  }
}

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
  if (style != borderStyle_) {
    borderStyle_ = style;
    Changed(TChange::Appearance);
  }
}

}  // namespace platform::forms
