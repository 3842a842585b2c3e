#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace platform::forms {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text editor. The text is UTF-8; lines are separated by CR LF as the program sets
// them (a backend converts its own line breaks when it reports an edit).
class TMemo : public TWinControl {
public:
  explicit TMemo(TComponent* owner);

  const std::string& Text() const { return text_; }
  // Sets the whole text and runs OnChange, also when the text stays the same.
  void SetText(const std::string& text);
  // As SetText, with the text up to the first zero byte of buffer.
  void SetTextBuf(const char* buffer);
  // Empties the text; runs OnChange only when there was text to remove, so clearing an editor
  // that is still empty (as at creation) runs nothing.
  void Clear();
  // The text split at CR LF (or a lone LF).
  std::vector<std::string> Lines() const;

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle scrollBars);

  // Runs after every change by the user and after every setting of the whole text.
  TNotifyEvent OnChange;

  // Decides which characters the user may enter; unset, every character is accepted. Applies to
  // user edits only, never to text the program sets.
  std::function<bool(char32_t)> AcceptChar;
  // text without the characters AcceptChar refuses and without malformed UTF-8.
  std::string Accepted(const std::string& text) const;

  // The user's edit leaves newText in the editor: the refused characters are dropped and, when
  // the text then differs from the current one, it is stored and OnChange runs. Returns whether
  // the text changed. Nothing happens on a disabled editor.
  bool UserEdit(const std::string& newText);
  // The user types text at the end of the current text (as UserEdit).
  bool UserType(const std::string& text);

private:
  std::string text_;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
};

}  // namespace platform::forms
