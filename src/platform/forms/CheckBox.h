#pragma once

#include <string>

#include "platform/forms/Control.h"

namespace platform::forms {

// A check box.
class TCheckBox : public TWinControl {
public:
  explicit TCheckBox(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // A change of state runs OnClick, as a click would.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  TNotifyEvent OnClick;

  // The user's click toggles Checked on an enabled box, which runs OnClick.
  void UserClick();

private:
  std::string caption_;
  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};

}  // namespace platform::forms
