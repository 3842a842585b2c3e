#pragma once

#include <string>

#include "platform/forms/Control.h"

namespace platform::forms {

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A caption in a box of fixed size, optionally with a sunken border.
class TStaticText : public TWinControl {
public:
  explicit TStaticText(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TStaticBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TStaticBorderStyle style);

private:
  std::string caption_;
  TAlignment alignment_ = taLeftJustify;
  TStaticBorderStyle borderStyle_ = sbsNone;
};

}  // namespace platform::forms
