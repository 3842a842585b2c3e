#pragma once

#include <string>

#include "platform/forms/Control.h"

namespace platform::forms {

// A push button.
class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  TNotifyEvent OnClick;

  // The user's click runs OnClick on an enabled button; a disabled one runs nothing.
  void UserClick();

private:
  std::string caption_;
};

}  // namespace platform::forms
