#pragma once

#include <string>

// Answers of the question box, as the old platform numbered them.
constexpr int IdYes = 6;
constexpr int IdNo = 7;

// Russian texts for FLTK's own dialogs and file chooser, and their font.
void LocalizeFltkDialogs();

// A modal question with the buttons "Да" and "Нет" and the question icon; runs a nested
// event loop. `text` may hold line breaks. Returns IdYes or IdNo (closing the box is No).
int AskQuestion(const std::string& text, const std::string& caption);

// A modal error message with the alert icon.
void ShowErrorBox(const std::string& text, const std::string& caption);
