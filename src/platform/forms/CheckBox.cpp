#include "platform/forms/CheckBox.h"

namespace platform::forms {

TCheckBox::TCheckBox(TComponent* owner) : TCheckableControl(owner) {}

}  // namespace platform::forms
