#include "platform/forms/Menus.h"

#include "platform/forms/Application.h"

namespace platform::forms {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

void TMenuItem::UserClick() {
  Application->Dispatch([this] {
    if (enabled_ && !IsSeparator() && OnClick) {
      OnClick(this);
    }
  });
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

}  // namespace platform::forms
