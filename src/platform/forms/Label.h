#pragma once

#include <string>

#include "platform/forms/Control.h"

namespace platform::forms {

// A caption drawn on the parent's surface.
class TLabel : public TControl {
public:
  explicit TLabel(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

private:
  std::string caption_;
  TAlignment alignment_ = taLeftJustify;
};

}  // namespace platform::forms
