#include "platform/forms/MessageBox.h"

#include "platform/forms/Application.h"

namespace platform::forms {

int MessageBoxA(TForm* owner, const std::string& text, const std::string& caption, unsigned flags) {
  return Application->Backend().ShowMessageBox(owner, text, caption, flags);
}

}  // namespace platform::forms
