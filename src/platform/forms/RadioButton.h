#pragma once

#include "platform/forms/CheckableControl.h"

namespace platform::forms {

// A radio button; the radio buttons of one parent exclude each other. Checking unchecks the
// others (running nothing for them) and runs OnClick; unchecking runs nothing. A click checks
// the button, so on a checked one it runs nothing.
class TRadioButton : public TCheckableControl {
public:
  explicit TRadioButton(TComponent* owner);

protected:
  void CheckedChanged() override;
  bool StateAfterClick() const override { return true; }
};

}  // namespace platform::forms
