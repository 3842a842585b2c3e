#pragma once

#include <string>

namespace platform::forms {

class TForm;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONQUESTION = 0x20;

constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The system message box, modal, through the Application's backend: shows text under caption
// with the buttons and icon that flags name, and returns the button chosen (IDYES, IDNO...).
// owner may be nullptr: the box then belongs to no window.
int MessageBoxA(TForm* owner, const std::string& text, const std::string& caption, unsigned flags);

}  // namespace platform::forms
