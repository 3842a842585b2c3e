#include "platform/forms/Font.h"

#include "platform/forms/Control.h"

namespace platform::forms {

void TFont::SetName(const std::string& name) {
  if (name != name_) {
    name_ = name;
    Notify();
  }
}

void TFont::SetHeight(int height) {
  if (height != height_) {
    height_ = height;
    Notify();
  }
}

void TFont::SetBold(bool bold) {
  if (bold != bold_) {
    bold_ = bold;
    Notify();
  }
}

void TFont::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    Notify();
  }
}

void TFont::Assign(const TFont& source) {
  if (!SameAs(source)) {
    CopyValues(source);
    Notify();
  }
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && bold_ == other.bold_ && color_ == other.color_;
}

void TFont::CopyValues(const TFont& source) {
  name_ = source.name_;
  height_ = source.height_;
  bold_ = source.bold_;
  color_ = source.color_;
}

void TFont::Notify() {
  if (owner_ != nullptr) {
    owner_->FontSetByUser();
  }
}

}  // namespace platform::forms
