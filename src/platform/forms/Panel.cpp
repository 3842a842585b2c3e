#include "platform/forms/Panel.h"

namespace platform::forms {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {}

void TPanel::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  if (bevel != bevelOuter_) {
    bevelOuter_ = bevel;
    InsetChanged();
  }
}

void TPanel::SetBevelInner(TBevelCut bevel) {
  if (bevel != bevelInner_) {
    bevelInner_ = bevel;
    InsetChanged();
  }
}

void TPanel::SetBevelWidth(int width) {
  if (width != bevelWidth_) {
    bevelWidth_ = width;
    InsetChanged();
  }
}

void TPanel::SetBorderWidth(int width) {
  if (width != borderWidth_) {
    borderWidth_ = width;
    InsetChanged();
  }
}

void TPanel::SetAlignment(TAlignment alignment) {
  if (alignment != alignment_) {
    alignment_ = alignment;
    Changed(TChange::Appearance);
  }
}

TRect TPanel::ClientRect() const {
  const int inset = borderWidth_ + (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
  return {inset, inset, Width() - inset, Height() - inset};
}

void TPanel::InsetChanged() {
  Changed(TChange::Appearance);
  Realign();
}

}  // namespace platform::forms
