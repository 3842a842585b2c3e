#pragma once

#include "platform/forms/CheckableControl.h"

namespace platform::forms {

// A check box: every change of state runs OnClick, and a click toggles it.
class TCheckBox : public TCheckableControl {
public:
  explicit TCheckBox(TComponent* owner);

protected:
  bool StateAfterClick() const override { return !Checked(); }
};

}  // namespace platform::forms
