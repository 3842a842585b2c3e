#include "platform/forms/OpenDialog.h"

#include "platform/forms/Application.h"

namespace platform::forms {

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
  std::optional<std::string> chosen = Application->Backend().ExecuteOpenDialog(*this);
  if (!chosen) {
    return false;
  }
  fileName_ = *chosen;
  return true;
}

}  // namespace platform::forms
