#pragma once

#include <string>

#include "platform/forms/Control.h"

namespace platform::forms {

// A radio button; the radio buttons of one parent exclude each other.
class TRadioButton : public TWinControl {
public:
  explicit TRadioButton(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // Checking unchecks the other radio buttons of the same parent (running nothing for them) and,
  // when the state changed, runs OnClick. Unchecking runs nothing.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // taLeftJustify puts the caption to the left of the circle, taRightJustify to its right.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  TNotifyEvent OnClick;

  // The user's click: checks an unchecked, enabled button (see SetChecked); on a checked one it
  // runs nothing.
  void UserClick();

private:
  std::string caption_;
  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};

}  // namespace platform::forms
