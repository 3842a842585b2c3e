#pragma once

#include <string>

#include "platform/forms/Control.h"

namespace platform::forms {

// What a check box and a radio button share: a caption beside a mark that is checked or not,
// and OnClick, which a change of Checked runs as a click would.
class TCheckableControl : public TWinControl {
public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  // A change of state runs CheckedChanged.
  void SetChecked(bool checked);
  // taLeftJustify puts the caption to the left of the mark, taRightJustify to its right.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  TNotifyEvent OnClick;

  // The user's click sets an enabled control to StateAfterClick (see SetChecked).
  void UserClick();

protected:
  explicit TCheckableControl(TComponent* owner);

  // Runs after Checked changed; runs OnClick.
  virtual void CheckedChanged();
  // The state a click asks for.
  virtual bool StateAfterClick() const = 0;
  // Sets the state and tells the peer, running nothing.
  void StoreChecked(bool checked);

private:
  std::string caption_;
  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};

}  // namespace platform::forms
