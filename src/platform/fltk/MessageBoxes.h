#pragma once

#include <string>

namespace platform::fltk {

// Russian texts for FLTK's own dialogs and file chooser, and their font.
void LocalizeFltkDialogs();

// A message box: `text` (line breaks allowed) beside an icon, under `caption`, with the
// buttons "Да" and "Нет" for MB_YESNO, else "ОК"; the icon is a question mark for
// MB_ICONQUESTION, else an exclamation mark for `error` boxes and an "i" otherwise. It runs a
// nested event loop until answered but leaves the other windows usable, as a box without an
// owner window does. Returns IDYES, IDNO or IDOK; closing a Yes/No box answers No.
int RunMessageBox(const std::string& text, const std::string& caption, unsigned flags, bool error = false);

}  // namespace platform::fltk
